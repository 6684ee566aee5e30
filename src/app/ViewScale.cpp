#include "app/ViewScale.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <iterator>

#include "app/CanvasView.h"
#include "app/MenuBuilder.h"

namespace isobra {

namespace {

const char* const kScaleItems[] = {"cntOokisa100", "cntOokisa150", "cntOokisa200", "cntOokisa300"};
const char* const kFitItem = "cntOokisaAwaseru";

}  // namespace

ViewScale::ViewScale(QMainWindow& frame, CanvasView& view, QSize smallestClient)
    : frame_(frame), view_(view), smallestClient_(smallestClient) {}

void ViewScale::AddMenu(MenuBuilder& menus, QMenu* chart) {
    menus.Separator(chart, QStringLiteral("cntS8"));
    QMenu* view = menus.Submenu(chart, QStringLiteral("表示の大きさ"), QStringLiteral("cntOokisa"));
    auto* group = new QActionGroup(&frame_);
    for (std::size_t i = 0; i < std::size(kScales); ++i) {
        const double scale = kScales[i];
        QAction* item = menus.Item(view, QStringLiteral("%1 %").arg(static_cast<int>(scale * 100)),
                                   QString::fromLatin1(kScaleItems[i]), [this, scale] { SetScale(scale); });
        item->setCheckable(true);
        item->setActionGroup(group);
        scaleItems_[i] = item;
    }
    scaleItems_[0]->setChecked(true);
    scaleItems_[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    fitItem_ = menus.Item(view, QStringLiteral("ウィンドウに合わせる"), QString::fromLatin1(kFitItem),
                          [this] { SetFitting(); });
    fitItem_->setCheckable(true);
    fitItem_->setActionGroup(group);

    // Ctrl+plus (with the Shift the plus may need), and Ctrl+= ; Ctrl+minus.
    auto addStep = [this](const QString& name, int direction, const QList<QKeySequence>& keys) {
        auto* step = new QAction(&frame_);
        step->setObjectName(name);
        step->setShortcuts(keys);
        step->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(step, &QAction::triggered, &frame_, [this, direction] { Step(direction); });
        frame_.addAction(step);
    };
    addStep(QStringLiteral("actLarger"), +1,
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
             QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addStep(QStringLiteral("actSmaller"), -1, {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
}

void ViewScale::SetScale(double scale) {
    for (std::size_t i = 0; i < std::size(kScales); ++i)
        if (scaleItems_[i] && kScales[i] == scale) scaleItems_[i]->setChecked(true);
    view_.SetScale(scale);
    FitWindowToView();
}

void ViewScale::SetFitting() {
    if (fitItem_) fitItem_->setChecked(true);
    view_.SetFitting();
}

void ViewScale::Step(int direction) {
    // From a fitted view, the step is taken from the scale it shows.
    const double now = view_.scale();
    constexpr double kSame = 1e-6;
    if (direction > 0) {
        for (double s : kScales)
            if (s > now + kSame) return SetScale(s);
    } else {
        for (auto it = std::rbegin(kScales); it != std::rend(kScales); ++it)
            if (*it < now - kSame) return SetScale(*it);
    }
    // Past either end: the view stays as it is.
}

void ViewScale::FitWindowToView() {
    if (frame_.isMaximized() || frame_.isFullScreen()) return;
    const QMenuBar* bar = frame_.menuBar();
    // The client area never smaller than at the start.
    const QSize client = view_.size().expandedTo(smallestClient_);
    QSize wanted = client + QSize(0, bar->isVisible() ? bar->height() : bar->sizeHint().height());
    // The status line under the map, when the frame has one.
    if (const auto* status = frame_.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
        status && !status->isHidden())
        wanted.rheight() += status->isVisible() ? status->height() : status->sizeHint().height();
    if (const QScreen* shown = frame_.screen()) {
        const QRect room = shown->availableGeometry();
        const QSize frame = frame_.frameGeometry().size() - frame_.geometry().size();
        wanted = wanted.boundedTo(room.size() - frame);
        frame_.resize(wanted);
        // Kept on the screen as it grows.
        QRect outer(frame_.frameGeometry().topLeft(), wanted + frame);
        if (outer.right() > room.right()) outer.moveRight(room.right());
        if (outer.bottom() > room.bottom()) outer.moveBottom(room.bottom());
        if (outer.topLeft() != frame_.frameGeometry().topLeft())
            frame_.move(std::max(outer.left(), room.left()), std::max(outer.top(), room.top()));
        return;
    }
    frame_.resize(wanted);
}

}  // namespace isobra
