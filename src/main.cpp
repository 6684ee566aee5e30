#include <QApplication>

#include "app/MainWindow.h"
#include "app/QtPrompts.h"
#include "state/AppState.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Isobra"));

    isobra::AppState state;
    isobra::QtPrompts prompts;
    isobra::MainWindow window(state, prompts);
    // The introduction comes before anything else can be done; later boxes
    // belong to the main window.
    window.StartUp();
    prompts.SetParent(&window);
    return app.exec();
}
