#include "widgets/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace isobra {

void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow) {
    if (window->testAttribute(Qt::WA_Moved) || !mainWindow->isVisible()) return;
    const QRect frame = mainWindow->frameGeometry();
    QPoint place(frame.right() + 1, frame.top());
    if (const QScreen* screen = mainWindow->screen()) {
        const QRect room = screen->availableGeometry();
        place.setX(std::max(room.left(), std::min(place.x(), room.right() + 1 - window->frameGeometry().width())));
    }
    window->move(place);
}

void ShowBesideMainWindow(QWidget* window, const QWidget* mainWindow) {
    PlaceBesideMainWindow(window, mainWindow);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace isobra
