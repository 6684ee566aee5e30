#pragma once

class QWidget;

namespace isobra {

// Moves a window that must not hide the map beside the main window: to the
// right of its frame where the screen has room, else to its left, else as
// far right as the screen allows. Top edges aligned, kept on the screen.
void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow);

}  // namespace isobra
