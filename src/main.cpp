#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <string>

#include "app/Commands.h"
#include "app/GivenFiles.h"
#include "app/LastResortApplication.h"
#include "app/MainWindow.h"
#include "app/QtPrompts.h"
#include "state/AppState.h"

int main(int argc, char* argv[]) {
    isobra::LastResortApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Isobra"));
    // Qt's own dialogs (the colour picker, the buttons of message boxes) in Japanese.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    isobra::AppState state;
    isobra::QtPrompts prompts;
    try {
        // The introduction comes before anything else can be done, and before
        // the window is made: on the screen at once. Later boxes belong to
        // the main window.
        isobra::MainWindow::ShowIntroduction(prompts);
        isobra::MainWindow window(state, prompts);
        app.SetReporting(&prompts, [&window] { window.HidePleaseWait(); });
        window.StartUp();
        window.commands().recovery.Offer();
        prompts.SetParent(&window);
        window.commands().givenFiles.Open(isobra::GivenFiles::FromArguments(argc, argv));
        const int status = app.exec();
        app.SetReporting(nullptr, {});
        return status;
    } catch (...) {
        // Thrown outside any event: while the window was made or after the
        // loop ended. Nothing was written; say so and stop.
        const std::string what = isobra::LastResortApplication::DescribeCurrentException();
        std::fprintf(stderr, "isobra: %s\n", what.c_str());
        prompts.SetParent(nullptr);
        prompts.Inform(QString::fromUtf8(isobra::kProgramTitle),
                       isobra::LastResortApplication::UnexpectedFailureAtStartText(what),
                       isobra::Prompts::Icon::Warning);
        return 1;
    }
}
