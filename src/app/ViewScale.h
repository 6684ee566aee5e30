#pragma once

#include <QSize>
#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace isobra {

class CanvasView;
class MenuBuilder;

// The scale of the map view ("表示の大きさ"): fixed steps that size the
// window to the scaled canvas, or the canvas fitted into the window.
class ViewScale {
public:
    static constexpr double kScales[] = {1.0, 1.5, 2.0, 3.0};

    // `smallestClient`: the window's client area never shrinks below it.
    ViewScale(QMainWindow& frame, CanvasView& view, QSize smallestClient);

    // The submenu at the end of `chart`, and the keys Ctrl+plus and
    // Ctrl+minus of the frame.
    void AddMenu(MenuBuilder& menus, QMenu* chart);

    // A fixed scale: the window grows or shrinks to show it whole where the
    // screen allows; scroll bars show the rest.
    void SetScale(double scale);
    // The whole canvas in the window as the user sizes it.
    void SetFitting();
    // The next scale up (+1) or down (-1) from the one shown.
    void Step(int direction);

private:
    // The window as large as the view needs, within the screen.
    void FitWindowToView();

    QMainWindow& frame_;
    CanvasView& view_;
    QSize smallestClient_;
    std::array<QAction*, std::size(kScales)> scaleItems_{};
    QAction* fitItem_ = nullptr;
};

}  // namespace isobra
