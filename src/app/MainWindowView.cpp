// The scale of the map view: fixed steps that size the window to the scaled
// canvas, or the canvas fitted into the window.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>
#include <iterator>

#include "app/CanvasView.h"
#include "app/MainWindow.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

namespace {

const char* const kScaleItems[] = {"cntOokisa100", "cntOokisa150", "cntOokisa200", "cntOokisa300"};
const char* const kFitItem = "cntOokisaAwaseru";

}  // namespace

void MainWindow::BuildViewMenu(QMenu* chart) {
    AddSeparator(chart, QStringLiteral("cntS8"));
    QMenu* view = AddSubmenu(chart, QStringLiteral("表示の大きさ"), QStringLiteral("cntOokisa"));
    auto* group = new QActionGroup(this);
    for (std::size_t i = 0; i < std::size(kViewScales); ++i) {
        const double scale = kViewScales[i];
        QAction* item = AddItem(view, QStringLiteral("%1 %").arg(static_cast<int>(scale * 100)),
                                QString::fromLatin1(kScaleItems[i]), [this, scale] { SetViewScale(scale); });
        item->setCheckable(true);
        item->setActionGroup(group);
    }
    menuAction(QString::fromLatin1(kScaleItems[0]))->setChecked(true);
    menuAction(QString::fromLatin1(kScaleItems[0]))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    QAction* fit = AddItem(view, QStringLiteral("ウィンドウに合わせる"), QString::fromLatin1(kFitItem),
                           [this] { SetViewFitting(); });
    fit->setCheckable(true);
    fit->setActionGroup(group);

    // Ctrl+plus (with the Shift the plus may need), and Ctrl+= ; Ctrl+minus.
    auto addStep = [this](const QString& name, int direction, const QList<QKeySequence>& keys) {
        auto* step = new QAction(this);
        step->setObjectName(name);
        step->setShortcuts(keys);
        step->setShortcutContext(Qt::WindowShortcut);
        connect(step, &QAction::triggered, this, [this, direction] { StepViewScale(direction); });
        addAction(step);
    };
    addStep(QStringLiteral("actLarger"), +1,
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
             QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addStep(QStringLiteral("actSmaller"), -1, {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
}

void MainWindow::SetViewScale(double scale) {
    for (std::size_t i = 0; i < std::size(kViewScales); ++i)
        if (kViewScales[i] == scale) menuAction(QString::fromLatin1(kScaleItems[i]))->setChecked(true);
    view_->SetScale(scale);
    FitWindowToView();
}

void MainWindow::SetViewFitting() {
    menuAction(QString::fromLatin1(kFitItem))->setChecked(true);
    view_->SetFitting();
}

void MainWindow::StepViewScale(int direction) {
    // From a fitted view, the step is taken from the scale it shows.
    const double now = view_->scale();
    constexpr double kSame = 1e-6;
    if (direction > 0) {
        for (double s : kViewScales)
            if (s > now + kSame) return SetViewScale(s);
    } else {
        for (auto it = std::rbegin(kViewScales); it != std::rend(kViewScales); ++it)
            if (*it < now - kSame) return SetViewScale(*it);
    }
    // Past either end: the view stays as it is.
}

void MainWindow::FitWindowToView() {
    if (isMaximized() || isFullScreen()) return;
    // The client area never smaller than at the start.
    const QSize client = view_->size().expandedTo(QSize(QImageCanvas::kWidth, kClientHeight));
    QSize wanted = client + QSize(0, menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height());
    if (const QScreen* shown = screen()) {
        const QRect room = shown->availableGeometry();
        const QSize frame = frameGeometry().size() - geometry().size();
        wanted = wanted.boundedTo(room.size() - frame);
        resize(wanted);
        // Kept on the screen as it grows.
        QRect outer(frameGeometry().topLeft(), wanted + frame);
        if (outer.right() > room.right()) outer.moveRight(room.right());
        if (outer.bottom() > room.bottom()) outer.moveBottom(room.bottom());
        if (outer.topLeft() != frameGeometry().topLeft())
            move(std::max(outer.left(), room.left()), std::max(outer.top(), room.top()));
        return;
    }
    resize(wanted);
}

}  // namespace isobra
