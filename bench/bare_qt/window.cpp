// The yardstick for the program's start: a bare Qt window program that
// starts as Isobra starts (a message box first, then the main window with a
// menu bar and a picture of a line and a Japanese letter, the size of the
// map). Isobra's first window and its memory after a full map should stay
// within 1.1 times this one's (bench/start-vs-bare.sh).
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("はじめに"), QStringLiteral("天気図を描きます。"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.menuBar()->addMenu(QStringLiteral("ファイル"))->addAction(QStringLiteral("終了"), &app, &QApplication::quit);
    QImage image(635, 425, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::blue);
    p.drawLine(10, 10, 390, 390);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(200, 200, QStringLiteral("高"));
    p.end();
    auto* label = new QLabel;
    label->setPixmap(QPixmap::fromImage(image));
    window.setCentralWidget(label);
    window.show();
    return app.exec();
}
