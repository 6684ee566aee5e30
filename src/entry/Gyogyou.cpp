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
constexpr std::string_view kKinds[] = {kHighKind,          kLowKind,       kTyphoonKind,
                                       kWarmFrontKind,     kColdFrontKind, kStationaryFrontKind,
                                       kOccludedFrontKind, kIsobarKind};

}  // namespace

Gyogyou::Gyogyou(AppState& state, Prompts& prompts, QWidget* parent)
    : EntryForm(state, prompts, state.lists.fishery, parent) {
    setObjectName(QStringLiteral("Gyogyou"));
    const QColor background(255, 255, 224);

    const CommonPlaces places{Twips(0, 0, 2070, 585), false, Twips(4560, 0, 1470, 585), Twips(7080, 0, 810, 585),
                              Twips(8040, 0, 975, 585)};
    QPushButton* tugi = AddCommonControls(background, places).tugi;
    auto* cmdDelete = AddButton(this, QStringLiteral("cmdDelete"), QStringLiteral("削除"), Twips(6120, 0, 855, 585));

    AddLabels(this, {
                        {QStringLiteral("北緯"), Twips(4200, 600, 570, 240)},
                        {QStringLiteral("東経"), Twips(4800, 600, 660, 240)},
                        {QStringLiteral("気 圧"), Twips(5520, 600, 750, 240)},
                        {QStringLiteral("種　類"), Twips(6360, 600, 1380, 240)},
                    });

    kansokuData_ =
        AddList(this, QStringLiteral("KansokuData"), EditLineList::EditMode::Free, Twips(0, 840, 4095, 4320), false);
    kansokuData_->list()->setItemDelegate(new AlignedRowDelegate(kansokuData_->list()));
    hokui_ = AddNumberField(this, QStringLiteral("Hokui"), kLatitudeField, Twips(4200, 840, 570, 405),
                            Twips(4320, 1320, 270, 2730), false);
    toukei_ = AddNumberField(this, QStringLiteral("Toukei"), kLongitudeField, Twips(4800, 840, 660, 405),
                             Twips(5040, 1320, 270, 2730), false);
    kiatu_ = AddNumberField(this, QStringLiteral("Kiatu"), kPressureField, Twips(5520, 840, 750, 405),
                            Twips(5760, 1320, 270, 2730), false);
    syurui_ =
        AddList(this, QStringLiteral("Syurui"), EditLineList::EditMode::PicksItem, Twips(6360, 840, 1380, 3060), true);
    auto* cmdTyuusin =
        AddButton(this, QStringLiteral("cmdTyuusin"), QStringLiteral("中心から"), Twips(7920, 1200, 1080, 585));
    auto* cmdSoko =
        AddButton(this, QStringLiteral("cmdSoko"), QStringLiteral("そこから"), Twips(7920, 1920, 1080, 585));

    firstField_ = hokui_;
    setTabOrder(hokui_, toukei_);
    setTabOrder(toukei_, kiatu_);
    setTabOrder(kiatu_, syurui_->editLine());
    setTabOrder(syurui_->editLine(), tugi);

    FillItems(syurui_, kKinds, 0);

    RebuildRowsFromData();
    ShowFirstRowAndSelectLast();

    connect(cmdTyuusin, &QPushButton::clicked, this, &Gyogyou::OnTyuusinClicked);
    connect(cmdSoko, &QPushButton::clicked, this, &Gyogyou::OnSokoClicked);
    connect(cmdDelete, &QPushButton::clicked, this, &Gyogyou::OnDeleteClicked);

    FinishWindow(this, QStringLiteral("漁業気象データの入力"), background);
}

void Gyogyou::RebuildRowsFromData() {
    state_.lists.fishery.RebuildFromData(state_.observations);
    ShowRowsWithoutSelection();
}

void Gyogyou::OnTugiClicked() {
    const FisheryEntry entry{ToUtf8(syurui_->editText()), hokui_->value(), toukei_->value(), kiatu_->value()};
    FisheryRow typed{
        .latitude = ToUtf8(hokui_->text()), .longitude = ToUtf8(toukei_->text()), .pressure = ToUtf8(kiatu_->text())};
    ShowOutcome(state_.lists.fishery.Enter(state_.observations, SelectedRow(), entry, std::move(typed)),
                QStringLiteral("漁業気象"));
}

void Gyogyou::OnTyuusinClicked() {
    ShowOutcome(state_.lists.fishery.AddMarker(state_.observations, SelectedRow(), kFromCentreMarker),
                QStringLiteral("漁業気象"));
}

void Gyogyou::OnSokoClicked() {
    ShowOutcome(state_.lists.fishery.AddMarker(state_.observations, SelectedRow(), kFromThereMarker),
                QStringLiteral("漁業気象"));
}

void Gyogyou::OnDeleteClicked() {
    const int next = state_.lists.fishery.Delete(state_.observations, SelectedRow());
    ShowRowsAndSelect(next);
}

void Gyogyou::OnKansokubiClicked() { state_.observations.observationDate = ToUtf8(kansokubi_->text()); }

HelpPage Gyogyou::Help() const { return FisheryFormHelp(); }

}  // namespace isobra
