#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace isobra {

namespace {

constexpr char kPlacedProperty[] = "isobraPlaced";

// The frames of the windows a new one must not cover: the main window's and
// those of its child windows that are shown or were placed before.
QList<QRect> TakenFrames(const QWidget* window, const QWidget* mainWindow) {
    QList<QRect> taken{mainWindow->frameGeometry()};
    for (const QWidget* other : mainWindow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == window || !other->isWindow()) continue;
        if (other->isVisible() || IsPlaced(other)) taken << other->frameGeometry();
    }
    return taken;
}

bool Free(const QRect& frame, const QRect& room, const QList<QRect>& taken) {
    if (!room.contains(frame)) return false;
    return std::none_of(taken.begin(), taken.end(), [&](const QRect& t) { return t.intersects(frame); });
}

// Each value once, in ascending order.
QList<int> Sorted(QList<int> values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

}  // namespace

bool IsPlaced(const QWidget* window) { return window->property(kPlacedProperty).toBool(); }

void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow) {
    const QRect main = mainWindow->frameGeometry();
    const QRect client = mainWindow->geometry();
    const QMargins frame(client.left() - main.left(), client.top() - main.top(), main.right() - client.right(),
                         main.bottom() - client.bottom());
    const QSize size = window->size().grownBy(frame);
    const QScreen* screen = mainWindow->screen() ? mainWindow->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : main.united(QRect(main.topLeft(), size));
    const QList<QRect> taken = TakenFrames(window, mainWindow);

    // Where a window can start: along an edge of the main window, or next
    // to the bottom or right edge of a window already there.
    QList<int> tops{main.top()}, lefts{main.left()};
    for (const QRect& t : taken) {
        tops << t.bottom() + 1;
        lefts << t.right() + 1;
    }
    tops = Sorted(tops);
    lefts = Sorted(lefts);
    QList<QPoint> candidates;
    for (int y : tops) candidates << QPoint(main.right() + 1, y);
    for (int x : lefts) candidates << QPoint(x, main.bottom() + 1);
    for (int y : tops) candidates << QPoint(main.left() - size.width(), y);
    for (int x : lefts) candidates << QPoint(x, main.top() - size.height());

    window->setProperty(kPlacedProperty, true);
    for (const QPoint& at : candidates) {
        if (Free(QRect(at, size), room, taken)) {
            window->move(at);
            return;
        }
    }
    // No room beside it: one title bar further down and right for each
    // window already there, kept on the screen as far as it goes.
    const int step = std::max(frame.top(), 24) * static_cast<int>(taken.size());
    const int x = std::max(room.left(), std::min(main.left() + step, room.right() + 1 - size.width()));
    const int y = std::max(room.top(), std::min(main.top() + step, room.bottom() + 1 - size.height()));
    window->move(x, y);
}

void ShowBesideMainWindow(QWidget* window, const QWidget* mainWindow) {
    if (!IsPlaced(window) && mainWindow->isVisible()) PlaceBesideMainWindow(window, mainWindow);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace isobra
