#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "app/MapView.h"

class QAction;

namespace isobra {

class AppState;
class CanvasView;
class MenuBuilder;
class Prompts;
class ViewScale;
struct Commands;

// The program's frame: the menu bar and the map canvas Picture1, each menu
// item wired to its command. Owns no data of its own; the process-wide state
// lives in the AppState it is given, and the commands in their own classes.
class MainWindow : public QMainWindow, public MapView {
    Q_OBJECT

public:
    MainWindow(AppState& state, Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: settings, colours, canvas, station table, coastline and the
    // hidden entry forms, in that order.
    void Start();
    // The introduction comes before the window is made, so that it is on the
    // screen as soon as the program starts.
    static void ShowIntroduction(Prompts& prompts);
    // The window's start: Start(), then the window itself.
    void StartUp();

    Commands& commands() { return *commands_; }
    CanvasView* canvasView() const { return view_; }
    // The menu item (or submenu action) with this control name, or null.
    QAction* menuAction(const QString& controlName) const;

    // The map view the commands use.
    QImageCanvas& canvas() override { return *canvas_; }
    QWidget& frame() override { return *this; }
    PleaseWait& pleaseWaitWindow() override;
    void HidePleaseWait() override;
    // The please-wait window while it is up, else null.
    PleaseWait* pleaseWait() const;
    void HoldStill(bool hold) override;

    // A press on the canvas at canvas pixels (x, y), which may be fractional:
    // to the correction or the cross-section by the mouse mode, and nowhere
    // during a show.
    void OnCanvasMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

    // "終了ｏｋ？": ends at once; nothing is saved and nothing is asked.
    void EndProgram();

signals:
    void ended();

protected:
    // Closing the frame ends the program like "終了ｏｋ？": the entry windows
    // and everything else close with it.
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the window open as files named on the command line.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void BuildChartMenu();
    // Under the map: where the pointer is, and the pressure there.
    void BuildStatusLine();

    // The client area at the start: 9525 x 6600 twips.
    static constexpr int kClientHeight = 440;

    AppState& state_;
    Prompts& prompts_;
    QImageCanvas* canvas_ = nullptr;
    CanvasView* view_ = nullptr;
    QPointer<PleaseWait> pleaseWait_;
    std::unique_ptr<MenuBuilder> menus_;
    std::unique_ptr<ViewScale> viewScale_;
    std::unique_ptr<Commands> commands_;
    bool ending_ = false;
};

}  // namespace isobra
