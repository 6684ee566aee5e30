#include <QApplication>

#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "model/AppState.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Isobra"));

    isobra::AppState state;
    isobra::QtPrompts prompts;
    isobra::MainWindow window(state, prompts);
    window.Start();
    // The introduction comes before anything else can be done.
    window.ShowIntroduction();
    prompts.SetParent(&window);
    window.show();
    return app.exec();
}
