#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace isobra {

void PlaceBesideMainWindow(QWidget& window, const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    const QScreen* screen = mainWindow.screen() ? mainWindow.screen() : QGuiApplication::primaryScreen();
    const QSize size = window.frameGeometry().size();
    int left = main.right() + 1;
    int top = main.top();
    if (screen) {
        const QRect area = screen->availableGeometry();
        left = std::max(area.left(), std::min(left, area.right() + 1 - size.width()));
        top = std::max(area.top(), std::min(top, area.bottom() + 1 - size.height()));
    }
    window.move(left, top);
}

}  // namespace isobra
