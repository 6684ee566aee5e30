#include "widgets/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace isobra {

void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow) {
    const QRect main = mainWindow->frameGeometry();
    const QSize size = window->frameGeometry().size();
    QPoint place(main.right() + 1, main.top());
    if (const QScreen* screen = mainWindow->screen()) {
        const QRect room = screen->availableGeometry();
        if (place.x() + size.width() > room.right() + 1) {
            if (main.left() - size.width() >= room.left())
                place.setX(main.left() - size.width());
            else
                place.setX(std::max(room.left(), room.right() + 1 - size.width()));
        }
        place.setY(std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    }
    window->move(place);
}

}  // namespace isobra
