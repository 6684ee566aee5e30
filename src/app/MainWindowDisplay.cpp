// The main window's side of the show (Cont, the show itself) and of the
// colour dialog frmColor.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/CanvasView.h"
#include "app/Cont.h"
#include "app/FrmColor.h"
#include "app/MainWindow.h"
#include "app/SlideShow.h"
#include "model/StationTable.h"
#include "state/IsobarFileLoad.h"
#include "state/IsobarLayer.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

void MainWindow::ShowContinuousDisplay(DisplayKind kind) {
    state_.display.OpenAs(kind);
    if (!cont_) {
        cont_ = new Cont(state_, prompts_, this);
        connect(cont_, &Cont::showRequested, this, &MainWindow::RunShow);
    }
    cont_->ShowKind();
    ShowBesideMainWindow(cont_, this);
}

void MainWindow::RunShow() {
    if (show_ || state_.display.FileCount() == 0) return;
    QStringList files;
    for (const std::string& path : state_.display.Files()) files << ToQ(path);
    SlideShow::Step step = [this](const QString& path) { return ShowIsobarStep(path); };
    if (state_.display.kind() == DisplayKind::Images)
        step = [this](const QString& path) { return ShowImageStep(path); };

    if (cont_) cont_->hide();
    show_ = new SlideShow(files, state_.display.displayTime(), std::move(step), *this, this);
    connect(show_, &SlideShow::finished, this, &MainWindow::EndShow);
    HoldStillForShow(true);
    show_->Start();
}

void MainWindow::EndShow() {
    if (!show_) return;
    const QStringList skipped = show_->skipped();
    show_->deleteLater();
    show_ = nullptr;
    HoldStillForShow(false);
    if (!skipped.isEmpty())
        prompts_.Inform(QString::fromUtf8(Cont::kNoticeTitle),
                        QStringLiteral("次のファイルは表示できなかったので、とばしました。\r\n") +
                            skipped.join(QStringLiteral("\r\n")),
                        Prompts::Icon::Warning);
    if (cont_) ShowBesideMainWindow(cont_, this);
}

void MainWindow::HoldStillForShow(bool hold) {
    menuBar()->setEnabled(!hold);
    view_->setEnabled(!hold);
    if (!hold) {
        for (const QPointer<QWidget>& window : heldForShow_)
            if (window) window->setEnabled(true);
        heldForShow_.clear();
        return;
    }
    // Every other window of the program, shown or hidden, so that nothing
    // loads, corrects or erases in the middle of the show.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this || !window->isEnabled() || qobject_cast<QMenu*>(window)) continue;
        window->setEnabled(false);
        heldForShow_.emplace_back(window);
    }
}

Status MainWindow::ShowIsobarStep(const QString& path) {
    // Each file is shown as a map of the built-in stations.
    if (Status loaded = LoadIsobarFile(ToUtf8(path), kBuiltInStationCount, state_); !loaded) return loaded;
    RedrawIsobarMap(*canvas_, state_);
    return {};
}

Status MainWindow::ShowImageStep(const QString& path) {
    const Result<QImage> picture = ReadPictureFile(path);
    if (!picture) return Status::Fail(picture.message() + "。");
    canvas_->SetBackgroundPicture(ToRgbImage(*picture));
    return {};
}

void MainWindow::ShowColorDialog() {
    if (!frmColor_) frmColor_ = new FrmColor(state_.colours, *canvas_, prompts_, this);
    ShowBesideMainWindow(frmColor_, this);
}

FrmColor* MainWindow::colourDialog() const { return frmColor_.data(); }

}  // namespace isobra
