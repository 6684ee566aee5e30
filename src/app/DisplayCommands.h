#pragma once

#include <QPointer>
#include <QString>
#include <vector>

#include "model/ContinuousDisplay.h"
#include "model/Result.h"

class QWidget;

namespace isobra {

class AppState;
class Cont;
class FrmColor;
class MapView;
class Prompts;
class SlideShow;

// The show of isobar files or satellite images one after another (the window
// Cont and the show itself), and the colour dialog frmColor.
class DisplayCommands {
public:
    DisplayCommands(AppState& state, Prompts& prompts, MapView& map);
    ~DisplayCommands();
    DisplayCommands(const DisplayCommands&) = delete;
    DisplayCommands& operator=(const DisplayCommands&) = delete;

    // "等圧線の連続表示" and "画像の連続表示": the window Cont for that kind
    // (another kind than before empties its list).
    void ShowContinuousDisplay(DisplayKind kind);
    // The show of the registered files ("表　示"). Until it ends, the menus,
    // the other windows and clicks on the map do nothing; Esc in the map's
    // window stops it. Afterwards the files that could not be shown are
    // named in one message and Cont comes back.
    void RunShow();
    bool ShowRunning() const { return show_ != nullptr; }
    // One step of the show: the isobar file loaded (the grid replaced, 54
    // stations) and drawn on a cleared map, or the picture put under the
    // drawing. A sentence says why not.
    Status ShowIsobarStep(const QString& path);
    Status ShowImageStep(const QString& path);
    Cont* continuousDisplayWindow() const { return cont_; }

    // "表示色の指定": the colour dialog beside the map, without blocking.
    void ShowColorDialog();
    FrmColor* colourDialog() const;

private:
    void EndShow();
    // Disables (or enables again) what must not act during a show.
    void HoldStillForShow(bool hold);

    AppState& state_;
    Prompts& prompts_;
    MapView& map_;
    Cont* cont_ = nullptr;
    SlideShow* show_ = nullptr;
    std::vector<QPointer<QWidget>> heldForShow_;  // the windows disabled during the show
    QPointer<FrmColor> frmColor_;
};

}  // namespace isobra
