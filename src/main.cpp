#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/MainWindow.h"
#include "app/QtPrompts.h"
#include "state/AppState.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Isobra"));
    // Qt's own dialogs (the colour picker, the buttons of message boxes) in Japanese.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    isobra::AppState state;
    isobra::QtPrompts prompts;
    isobra::MainWindow window(state, prompts);
    // The introduction comes before anything else can be done; later boxes
    // belong to the main window.
    window.StartUp();
    prompts.SetParent(&window);
    return app.exec();
}
