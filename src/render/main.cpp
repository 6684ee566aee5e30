// isobra-render: turns saved observation files into isobar files and PNG
// maps without a display, with the same code that draws in the window.
#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "render/ConvertCommand.h"
#include "render/LastResort.h"
#include "render/RenderDriver.h"
#include "render/RenderOptions.h"

namespace {

// The tool promises one line per problem on stderr, its own: Qt's messages
// (its reading of pictures, libpng's and libjpeg's warnings, its chatter
// about the session environment) stay out of it, unless ISOBRA_DEBUG is set
// to look into a problem.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    static const bool debug = !qEnvironmentVariableIsEmpty("ISOBRA_DEBUG");
    if (type != QtFatalMsg && !debug) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    return isobra::RunWithLastResort([&] {
        // The arguments are the system's bytes (names need not be UTF-8) and
        // all the tool's own: Qt sees none of them, so "-platform" or
        // "-style" cannot be taken as Qt's options.
        const isobra::CommandLine line = isobra::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (line.action == isobra::CommandLine::Action::Convert) return isobra::RunConvertCommand(line.options.convert);
        if (line.action != isobra::CommandLine::Action::Render) return isobra::ReportCommandLine(line);

        qInstallMessageHandler(QuietMessages);
        // No display needed: the offscreen platform, unless the user chose one.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        char* qtArgv[] = {argv[0], nullptr};
        QGuiApplication app(qtArgc, qtArgv);
        return isobra::RunRender(line.options);
    });
}
