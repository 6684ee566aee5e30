#pragma once

#include <QColor>
#include <QString>

namespace isobra {

class MapView;

// The please-wait window MATTENE for as long as this object lives: shown and
// painted at once, centred on the screen, and taken down when the scope
// ends, however it ends.
class PleaseWaitScope {
public:
    PleaseWaitScope(MapView& map, const QString& caption);
    // The window in another colour than its blue (an image conversion's).
    PleaseWaitScope(MapView& map, const QString& caption, const QColor& background);
    ~PleaseWaitScope();
    PleaseWaitScope(const PleaseWaitScope&) = delete;
    PleaseWaitScope& operator=(const PleaseWaitScope&) = delete;

    // A new caption (or colour), painted before the caller's work goes on.
    void SetCaption(const QString& caption);
    void SetBackground(const QColor& background);

private:
    MapView& map_;
};

}  // namespace isobra
