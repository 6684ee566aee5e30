// The yardstick for the program's start: a bare Qt window program that
// starts as Isobra starts (a message box first, then the main window with a
// menu bar and a picture of a line and a Japanese letter, the size of the
// map). Isobra's first window and its memory after a full map should stay
// within 1.1 times this one's (bench/start-vs-bare.sh).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>

#include "Yardstick.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("はじめに"), QStringLiteral("天気図を描きます。"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.menuBar()->addMenu(QStringLiteral("ファイル"))->addAction(QStringLiteral("終了"), &app, &QApplication::quit);
    const QImage image = YardstickPicture(635, 425);
    auto* label = new QLabel;
    label->setPixmap(QPixmap::fromImage(image));
    window.setCentralWidget(label);
    window.show();
    return app.exec();
}
