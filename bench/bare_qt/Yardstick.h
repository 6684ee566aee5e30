#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

// What both yardsticks draw, as a map would at the least: one line and one
// Japanese letter on white.
inline QImage YardstickPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::blue);
    p.drawLine(10, 10, 390, 390);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(200, 200, QStringLiteral("高"));
    return image;
}
