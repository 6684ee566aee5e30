#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QList>
#include <QMainWindow>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>

namespace isobra {

namespace {

constexpr char kPlacedProperty[] = "isobraPlaced";

// The frames of the shown windows a new one should not cover: the main
// window's and its other child windows'.
QList<QRect> TakenFrames(const QWidget* window, const QWidget* mainWindow) {
    QList<QRect> taken{mainWindow->frameGeometry()};
    for (const QWidget* other : mainWindow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == window || !other->isWindow()) continue;
        if (other->isVisible()) taken << other->frameGeometry();
    }
    return taken;
}

// The map on the screen: the main window's central widget, or its whole
// client area.
QRect MapArea(const QWidget* mainWindow) {
    const auto* main = qobject_cast<const QMainWindow*>(mainWindow);
    const QWidget* map = main && main->centralWidget() ? main->centralWidget() : mainWindow;
    return QRect(map->mapToGlobal(QPoint(0, 0)), map->size());
}

bool Free(const QRect& frame, const QRect& room, const QList<QRect>& taken) {
    if (!room.contains(frame)) return false;
    return std::none_of(taken.begin(), taken.end(), [&](const QRect& t) { return t.intersects(frame); });
}

// How much of the other windows a frame covers, in square pixels.
qint64 Covered(const QRect& frame, const QList<QRect>& others) {
    qint64 area = 0;
    for (const QRect& other : others) {
        const QRect both = other.intersected(frame);
        area += static_cast<qint64>(both.width()) * both.height();
    }
    return area;
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
    // A window its layout sizes has its size only once shown: placed before,
    // at the size it will have.
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
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
    // No free room: off the map if it can be, covering as little of the
    // other windows as can be; else covering the least of the map and the
    // others together. Against the screen's right or bottom edge too, and
    // there beside the windows already at that edge.
    const int rightEdge = room.right() + 1 - size.width();
    const int bottomEdge = room.bottom() + 1 - size.height();
    for (int y : tops) candidates << QPoint(rightEdge, y);
    for (int x : lefts) candidates << QPoint(x, bottomEdge);
    for (const QRect& t : taken)
        candidates << QPoint(t.left() - size.width(), bottomEdge) << QPoint(rightEdge, t.top() - size.height());
    candidates << QPoint(rightEdge, bottomEdge);
    const QList<QRect> map{MapArea(mainWindow)};
    const QList<QRect> others = taken.mid(1);
    std::optional<QPoint> best;
    std::pair<bool, qint64> least;
    for (const QPoint& at : candidates) {
        const QRect placed(at, size);
        if (!room.contains(placed)) continue;
        const qint64 overMap = Covered(placed, map);
        const std::pair<bool, qint64> covered{overMap > 0, overMap + Covered(placed, others)};
        if (!best || covered < least) {
            best = at;
            least = covered;
        }
    }
    if (best) {
        window->move(*best);
        return;
    }
    // Larger than the screen: one title bar further down and right for each
    // window already there, kept on the screen as far as it goes.
    const int step = std::max(frame.top(), 24) * static_cast<int>(taken.size());
    const int x = std::max(room.left(), std::min(main.left() + step, room.right() + 1 - size.width()));
    const int y = std::max(room.top(), std::min(main.top() + step, room.bottom() + 1 - size.height()));
    window->move(x, y);
}

void ShowBesideMainWindow(QWidget* window, const QWidget* mainWindow) {
    if (!window->isVisible() && mainWindow->isVisible()) PlaceBesideMainWindow(window, mainWindow);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace isobra
