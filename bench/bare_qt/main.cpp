// The yardstick for isobra-render: a bare Qt program that starts offscreen,
// draws one line and one Japanese letter into a 400 x 400 image and saves it
// as PNG. isobra-render should stay within 1.5 times its time and memory.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::blue);
    p.drawLine(10, 10, 390, 390);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(200, 200, QStringLiteral("高"));
    p.end();
    return image.save(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bare.png"), "PNG") ? 0 : 1;
}
