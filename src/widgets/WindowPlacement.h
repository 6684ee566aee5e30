#pragma once

class QWidget;

namespace isobra {

// The first time a child window opens, it goes to the right of the main
// window, top edges level, so that it does not hide the map; kept on the
// screen. A window the user has moved, or one shown before, stays where it
// is.
void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow);

// Shows a child window without blocking the main window: placed as above,
// then in front and active.
void ShowBesideMainWindow(QWidget* window, const QWidget* mainWindow);

}  // namespace isobra
