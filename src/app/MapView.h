#pragma once

class QWidget;

namespace isobra {

class PleaseWait;
class QImageCanvas;

// The map as the commands see it: the canvas they draw on, the window that
// shows it (the other windows belong to it and open beside it) and the
// please-wait window over it.
class MapView {
public:
    virtual ~MapView() = default;

    virtual QImageCanvas& canvas() = 0;
    virtual QWidget& frame() = 0;
    // The please-wait window, made when none is up; PleaseWaitScope shows it.
    virtual PleaseWait& pleaseWaitWindow() = 0;
    // Takes the please-wait window down. Doing it twice is harmless.
    virtual void HidePleaseWait() = 0;
    // While held, the menus and clicks on the map do nothing.
    virtual void HoldStill(bool hold) = 0;
};

}  // namespace isobra
