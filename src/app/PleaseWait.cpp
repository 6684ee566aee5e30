#include "app/PleaseWait.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

#include "widgets/Fonts.h"

namespace isobra {

PleaseWait::PleaseWait(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("MATTENE"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // 4410 x 570 twips at 15 twips per pixel.
    setFixedSize(294, 38);
    SetBackground(background_);
    setAutoFillBackground(true);
    setFont(GothicFont(16));
    setWindowTitle(QString::fromUtf8(kDefaultCaption));
}

void PleaseWait::ShowCaption(const QString& caption) {
    setWindowTitle(caption);
    CentreOnScreen();
    show();
    // Once shown, the frame has its real size: centre again with it.
    CentreOnScreen();
    raise();
    repaint();
    // Let the window system map and paint the window before work starts.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void PleaseWait::SetBackground(const QColor& colour) {
    background_ = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::WindowText, QColor(255, 255, 255));
    setPalette(pal);
    if (isVisible()) repaint();
}

void PleaseWait::CentreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize frame = frameGeometry().size();
    move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}

void PleaseWait::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), background_);
    p.setPen(QColor(255, 255, 255));
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter, windowTitle());
}

}  // namespace isobra
