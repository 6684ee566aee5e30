#pragma once

// The Qt application the targets of the Qt doors need (fonts, image
// plugins), made once on the offscreen platform, and Qt's own messages kept
// out of libFuzzer's output.

#include <QGuiApplication>

namespace isobra::fuzz {

inline void StartQt() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication app(argc, argv);
}

}  // namespace isobra::fuzz
