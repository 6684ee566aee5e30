#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace isobra::test {

// Runs a Qt Test object on the offscreen platform with one screen of the size
// the program is used on, 1280 x 1024, its windows framed as under a window
// manager. For main(), in place of QTEST_MAIN.
template <class Test>
int RunOnBigScreen(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"windowFrameMargins": true, "screens": [{"name": "big", "x": 0, "y": 0,
                  "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace isobra::test
