#pragma once

class QWidget;

namespace isobra {

// Places one of the program's windows, before it is first shown, beside the
// main window: to its right from the top down, then below it from the left,
// then to its left, then above it; the first place that lies wholly on the
// screen and covers neither the main window nor any window placed before it
// (or shown now) among the main window's child windows. Frames count: the new
// window's frame, which the window manager adds only once it is shown, is
// taken to be as thick as the main window's. Where the screen has no such
// room, the windows cascade down and to the right from the main window.
void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow);

// Whether PlaceBesideMainWindow has placed the window.
bool IsPlaced(const QWidget* window);

// Shows one of the program's windows without blocking the main window, in
// front and active; the first time (while the main window is shown) placed
// as above.
void ShowBesideMainWindow(QWidget* window, const QWidget* mainWindow);

}  // namespace isobra
