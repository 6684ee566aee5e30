#pragma once

class QWidget;

namespace isobra {

// Places one of the program's windows beside the main window: to its right
// from the top down, then below it from the left, then to its left, then
// above it; the first place that lies wholly on the screen and covers neither
// the main window nor any other shown window among the main window's child
// windows. Frames count: the new window's frame, which the window manager
// adds only once it is shown, is taken to be as thick as the main window's.
// Where the screen has no such room, the window stays on the screen and off
// the map (the main window's central widget) where it can, covering as
// little of the other windows as it can; where it cannot, it covers the
// least of the map and the others together. Only a window larger than the
// screen cascades down and to the right from the main window.
void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow);

// Whether PlaceBesideMainWindow has ever placed the window.
bool IsPlaced(const QWidget* window);

// Shows one of the program's windows without blocking the main window, in
// front and active. A hidden window is placed as above each time it is shown
// (while the main window is shown), so that it finds room beside the map as
// the map is now, however large it has grown since; a shown one only comes to
// the front.
void ShowBesideMainWindow(QWidget* window, const QWidget* mainWindow);

}  // namespace isobra
