// The yardstick for isobra-render: a bare Qt program that starts offscreen,
// draws one line and one Japanese letter into a 400 x 400 image and saves it
// as PNG. isobra-render should stay within 1.5 times its time and memory.
#include <QGuiApplication>

#include "Yardstick.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage image = YardstickPicture(400, 400);
    return image.save(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bare.png"), "PNG") ? 0 : 1;
}
