#include "app/DisplayCommands.h"

#include <QApplication>
#include <QMenu>

#include "app/Cont.h"
#include "app/FrmColor.h"
#include "app/MapView.h"
#include "app/SlideShow.h"
#include "model/StationTable.h"
#include "state/IsobarFileLoad.h"
#include "state/IsobarLayer.h"
#include "widgets/PictureFile.h"
#include "widgets/Prompts.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

DisplayCommands::DisplayCommands(AppState& state, Prompts& prompts, MapView& map)
    : state_(state), prompts_(prompts), map_(map) {}

DisplayCommands::~DisplayCommands() {
    // The windows and the show call back here: they go first.
    delete show_;
    delete cont_;
    delete frmColor_.data();
}

void DisplayCommands::ShowContinuousDisplay(DisplayKind kind) {
    state_.display.OpenAs(kind);
    if (!cont_) {
        cont_ = new Cont(state_, prompts_, &map_.frame());
        QObject::connect(cont_, &Cont::showRequested, cont_, [this] { RunShow(); });
    }
    cont_->ShowKind();
    ShowBesideMainWindow(cont_, &map_.frame());
}

void DisplayCommands::RunShow() {
    if (show_ || state_.display.FileCount() == 0) return;
    QStringList files;
    for (const std::string& path : state_.display.Files()) files << ToQ(path);
    SlideShow::Step step = [this](const QString& path) { return ShowIsobarStep(path); };
    if (state_.display.kind() == DisplayKind::Images)
        step = [this](const QString& path) { return ShowImageStep(path); };

    if (cont_) cont_->hide();
    show_ = new SlideShow(files, state_.display.displayTime(), std::move(step), map_.frame(), &map_.frame());
    QObject::connect(show_, &SlideShow::finished, show_, [this] { EndShow(); });
    HoldStillForShow(true);
    show_->Start();
}

void DisplayCommands::EndShow() {
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
    if (cont_) ShowBesideMainWindow(cont_, &map_.frame());
}

void DisplayCommands::HoldStillForShow(bool hold) {
    map_.HoldStill(hold);
    if (!hold) {
        for (const QPointer<QWidget>& window : heldForShow_)
            if (window) window->setEnabled(true);
        heldForShow_.clear();
        return;
    }
    // Every other window of the program, shown or hidden, so that nothing
    // loads, corrects or erases in the middle of the show.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == &map_.frame() || !window->isEnabled() || qobject_cast<QMenu*>(window)) continue;
        window->setEnabled(false);
        heldForShow_.emplace_back(window);
    }
}

Status DisplayCommands::ShowIsobarStep(const QString& path) {
    // Each file is shown as a map of the built-in stations.
    if (Status loaded = LoadIsobarFile(ToUtf8(path), kBuiltInStationCount, state_); !loaded) return loaded;
    RedrawIsobarMap(map_.canvas(), state_);
    return {};
}

Status DisplayCommands::ShowImageStep(const QString& path) {
    const Result<QImage> picture = ReadPictureFile(path);
    if (!picture) return Status::Fail(picture.message() + "。");
    map_.canvas().SetBackgroundPicture(ToRgbImage(*picture));
    return {};
}

void DisplayCommands::ShowColorDialog() {
    if (!frmColor_) frmColor_ = new FrmColor(state_.colours, map_.canvas(), prompts_, &map_.frame());
    ShowBesideMainWindow(frmColor_, &map_.frame());
}

FrmColor* DisplayCommands::colourDialog() const { return frmColor_.data(); }

}  // namespace isobra
