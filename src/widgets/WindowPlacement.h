#pragma once

class QWidget;

namespace isobra {

// Moves `window` so it stands to the right of `mainWindow`'s frame, tops
// aligned, kept inside the screen that shows the main window. Where the
// screen has no room on the right it overlaps the main window's right edge
// rather than leave the screen.
void PlaceBesideMainWindow(QWidget& window, const QWidget& mainWindow);

}  // namespace isobra
