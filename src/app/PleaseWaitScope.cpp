#include "app/PleaseWaitScope.h"

#include "app/MapView.h"
#include "app/PleaseWait.h"

namespace isobra {

PleaseWaitScope::PleaseWaitScope(MapView& map, const QString& caption) : map_(map) {
    map_.pleaseWaitWindow().ShowCaption(caption);
}

PleaseWaitScope::PleaseWaitScope(MapView& map, const QString& caption, const QColor& background) : map_(map) {
    // The colour first: the window is painted as it is shown.
    map_.pleaseWaitWindow().SetBackground(background);
    map_.pleaseWaitWindow().ShowCaption(caption);
}

PleaseWaitScope::~PleaseWaitScope() { map_.HidePleaseWait(); }

void PleaseWaitScope::SetCaption(const QString& caption) { map_.pleaseWaitWindow().ShowCaption(caption); }

void PleaseWaitScope::SetBackground(const QColor& background) { map_.pleaseWaitWindow().SetBackground(background); }

}  // namespace isobra
