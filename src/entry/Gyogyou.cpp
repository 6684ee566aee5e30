#include "entry/Gyogyou.h"

#include <QListWidget>
#include <QPushButton>

#include "entry/AlignedRowDelegate.h"
#include "entry/EditLineList.h"
#include "entry/EntryFormKit.h"
#include "entry/NumericEntryField.h"
#include "model/EntryRows.h"
#include "model/PlotKinds.h"
#include "widgets/HelpTexts.h"
#include "widgets/Prompts.h"
#include "widgets/QtText.h"
#include "widgets/Twips.h"

namespace isobra {

using namespace entry_form;

namespace {

// The kinds in list order.
constexpr std::string_view kKinds[] = {kHighKind,      kLowKind,       kTyphoonKind,         kWarmFrontKind,
                                       kColdFrontKind, kStationaryFrontKind, kOccludedFrontKind, kIsobarKind};

}  // namespace

Gyogyou::Gyogyou(AppState& state, Prompts& prompts, QWidget* parent)
    : EntryForm(state, prompts, state.lists.fishery, parent) {
    setObjectName(QStringLiteral("Gyogyou"));
    const QColor background(255, 255, 224);

    auto* kansokubi = AddDateField(this, background, Twips(0, 0, 2070, 585), false);
    kansokubi_ = kansokubi;
    auto* tugi = AddButton(this, QStringLiteral("Tugi"), QStringLiteral("データ入力"), Twips(4560, 0, 1470, 585), true);
    auto* cmdDelete = AddButton(this, QStringLiteral("cmdDelete"), QStringLiteral("削除"), Twips(6120, 0, 855, 585));
    auto* setumei = AddButton(this, QStringLiteral("Setumei"), QStringLiteral("説明"), Twips(7080, 0, 810, 585));
    auto* modoru = AddButton(this, QStringLiteral("Modoru"), QStringLiteral("もどる"), Twips(8040, 0, 975, 585));

    AddLabel(this, QStringLiteral("北緯"), Twips(4200, 600, 570, 240));
    AddLabel(this, QStringLiteral("東経"), Twips(4800, 600, 660, 240));
    AddLabel(this, QStringLiteral("気 圧"), Twips(5520, 600, 750, 240));
    AddLabel(this, QStringLiteral("種　類"), Twips(6360, 600, 1380, 240));

    kansokuData_ = AddList(this, QStringLiteral("KansokuData"), EditLineList::EditMode::Free,
                           Twips(0, 840, 4095, 4320), false);
    kansokuData_->list()->setItemDelegate(new AlignedRowDelegate(RowKind::Fishery, kansokuData_->list()));
    auto* hokuiVS = AddScrollBar(this, QStringLiteral("HokuiVS"), Twips(4320, 1320, 270, 2730));
    hokui_ = AddNumberField(this, QStringLiteral("Hokui"), {u'0', u'9', 34, 15, 60, 60, 14, false}, hokuiVS,
                            Twips(4200, 840, 570, 405), false);
    auto* toukeiVS = AddScrollBar(this, QStringLiteral("ToukeiVS"), Twips(5040, 1320, 270, 2730));
    toukei_ = AddNumberField(this, QStringLiteral("Toukei"), {u'0', u'9', 135, 100, 160, 168, 100, false}, toukeiVS,
                             Twips(4800, 840, 660, 405), false);
    auto* kiatuVS = AddScrollBar(this, QStringLiteral("KiatuVS"), Twips(5760, 1320, 270, 2730));
    kiatu_ = AddNumberField(this, QStringLiteral("Kiatu"), {u'0', u'9', 1013, 900, 1100, 1100, 900, true}, kiatuVS,
                            Twips(5520, 840, 750, 405), false);
    syurui_ = AddList(this, QStringLiteral("Syurui"), EditLineList::EditMode::PicksItem, Twips(6360, 840, 1380, 3060),
                      true);
    auto* cmdTyuusin =
        AddButton(this, QStringLiteral("cmdTyuusin"), QStringLiteral("中心から"), Twips(7920, 1200, 1080, 585));
    auto* cmdSoko = AddButton(this, QStringLiteral("cmdSoko"), QStringLiteral("そこから"), Twips(7920, 1920, 1080, 585));

    setTabOrder(hokui_, toukei_);
    setTabOrder(toukei_, kiatu_);
    setTabOrder(kiatu_, syurui_->editLine());
    setTabOrder(syurui_->editLine(), tugi);

    QStringList kinds;
    for (std::string_view kind : kKinds) kinds << ToQ(kind);
    syurui_->setItems(kinds);
    syurui_->selectRow(0);

    RebuildRowsFromData();
    kansokuData_->setEditText(kansokuData_->itemText(0));
    SelectRow(RowCount() - 1);

    connect(tugi, &QPushButton::clicked, this, &Gyogyou::OnTugiClicked);
    connect(cmdTyuusin, &QPushButton::clicked, this, &Gyogyou::OnTyuusinClicked);
    connect(cmdSoko, &QPushButton::clicked, this, &Gyogyou::OnSokoClicked);
    connect(cmdDelete, &QPushButton::clicked, this, &Gyogyou::OnDeleteClicked);
    connect(setumei, &QPushButton::clicked, this, &Gyogyou::OnSetumeiClicked);
    connect(modoru, &QPushButton::clicked, this, &Gyogyou::OnModoruClicked);
    connect(kansokubi, &ClickableLineEdit::clicked, this, &Gyogyou::OnKansokubiClicked);

    FinishWindow(this, QStringLiteral("漁業気象データの入力"), background);
}

void Gyogyou::RebuildRowsFromData() {
    state_.lists.fishery.RebuildFromData(state_.observations);
    ShowRows();
    SelectRow(-1);
}

void Gyogyou::ShowOutcome(const Result<int>& next) {
    if (!next) {
        prompts_.Inform(QStringLiteral("漁業気象"), ToQ(next.message()));
        return;
    }
    ShowRows();
    SelectRow(*next);
}

void Gyogyou::OnTugiClicked() {
    const FisheryEntry entry{ToUtf8(syurui_->editText()), hokui_->value(), toukei_->value(), kiatu_->value()};
    const FisheryRowTexts texts{ToUtf8(hokui_->text()), ToUtf8(toukei_->text()), ToUtf8(kiatu_->text())};
    ShowOutcome(state_.lists.fishery.Enter(state_.observations, SelectedRow(), entry, texts));
}

void Gyogyou::OnTyuusinClicked() {
    ShowOutcome(state_.lists.fishery.AddMarker(state_.observations, SelectedRow(), kFromCentreMarker));
}

void Gyogyou::OnSokoClicked() {
    ShowOutcome(state_.lists.fishery.AddMarker(state_.observations, SelectedRow(), kFromThereMarker));
}

void Gyogyou::OnDeleteClicked() {
    const int next = state_.lists.fishery.Delete(state_.observations, SelectedRow());
    ShowRows();
    SelectRow(next);
}

void Gyogyou::OnKansokubiClicked() { state_.observations.observationDate = ToUtf8(kansokubi_->text()); }

void Gyogyou::OnSetumeiClicked() {
    const HelpPage help = FisheryFormHelp();
    prompts_.Inform(help.title, help.text);
}

}  // namespace isobra
