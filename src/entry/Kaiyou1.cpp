#include "entry/Kaiyou1.h"

#include <QListWidget>
#include <QPushButton>

#include "entry/AlignedRowDelegate.h"
#include "entry/EditLineList.h"
#include "entry/EntryFormKit.h"
#include "entry/NumericEntryField.h"
#include "model/CodeTables.h"
#include "model/EntryRows.h"
#include "widgets/HelpTexts.h"
#include "widgets/Prompts.h"
#include "widgets/QtText.h"
#include "widgets/Twips.h"

namespace isobra {

using namespace entry_form;

Kaiyou1::Kaiyou1(AppState& state, Prompts& prompts, QWidget* parent)
    : EntryForm(state, prompts, state.lists.ships, parent) {
    setObjectName(QStringLiteral("Kaiyou1"));
    const QColor background(192, 255, 255);

    const CommonPlaces places{Twips(0, 0, 2250, 585), true, Twips(4440, 0, 1635, 495), Twips(7200, 0, 975, 495),
                              Twips(8280, 0, 960, 495)};
    const CommonButtons buttons = AddCommonControls(background, places);
    SetColour(buttons.tugi, QPalette::Button, QColor(255, 255, 0));
    SetColour(buttons.modoru, QPalette::Button, Qt::white);
    auto* cmdDelete = AddButton(this, QStringLiteral("cmdDelete"), QStringLiteral("削除"), Twips(6120, 0, 1005, 495));

    // Labels stand above their fields.
    AddLabels(this, {
                        {QStringLiteral("北緯"), Twips(3960, 480, 510, 240)},
                        {QStringLiteral("東経"), Twips(4560, 480, 660, 240)},
                        {QStringLiteral("風　向"), Twips(5280, 480, 1335, 240)},
                        {QStringLiteral("風力"), Twips(6600, 480, 585, 240)},
                        {QStringLiteral("天　気"), Twips(7200, 480, 1335, 240)},
                        {QStringLiteral("気圧"), Twips(8520, 480, 750, 240)},
                    });

    kansokuData_ =
        AddList(this, QStringLiteral("KansokuData"), EditLineList::EditMode::Free, Twips(0, 720, 3855, 4680), false);
    kansokuData_->list()->setItemDelegate(new AlignedRowDelegate(kansokuData_->list()));
    hokui_ = AddNumberField(this, QStringLiteral("Hokui"), kLatitudeField, Twips(3960, 720, 510, 405),
                            Twips(4080, 1200, 270, 2730), false);
    toukei_ = AddNumberField(this, QStringLiteral("Toukei"), kLongitudeField, Twips(4560, 720, 660, 405),
                             Twips(4800, 1200, 270, 2730), false);
    huukou_ =
        AddList(this, QStringLiteral("Huukou"), EditLineList::EditMode::PicksItem, Twips(5280, 720, 1335, 4680), true);
    huuryoku_ = AddNumberField(this, QStringLiteral("Huuryoku"), kForceField, Twips(6600, 720, 585, 405),
                               Twips(6720, 1200, 270, 2730), false);
    tenki_ =
        AddList(this, QStringLiteral("Tenki"), EditLineList::EditMode::PicksItem, Twips(7200, 720, 1335, 3420), true);
    kiatu_ = AddNumberField(this, QStringLiteral("Kiatu"), kPressureField, Twips(8520, 720, 750, 405),
                            Twips(8760, 1200, 270, 2730), false);

    firstField_ = hokui_;
    setTabOrder(hokui_, toukei_);
    setTabOrder(toukei_, huukou_->editLine());
    setTabOrder(huukou_->editLine(), huuryoku_);
    setTabOrder(huuryoku_, tenki_->editLine());
    setTabOrder(tenki_->editLine(), kiatu_);
    setTabOrder(kiatu_, buttons.tugi);
    setTabOrder(buttons.tugi, kansokubi_);

    FillDirections(huukou_);
    FillWeathers(tenki_);

    RebuildRowsFromData();
    ShowFirstRowAndSelectLast();

    connect(cmdDelete, &QPushButton::clicked, this, &Kaiyou1::OnDeleteClicked);

    FinishWindow(this, QStringLiteral("船舶からの報告データの入力"), background);
}

void Kaiyou1::RebuildRowsFromData() {
    state_.lists.ships.RebuildFromData(state_.observations);
    ShowRowsWithoutSelection();
}

void Kaiyou1::OnTugiClicked() {
    const ShipReport report{hokui_->value(),    toukei_->value(),      huukou_->selectedRow(),
                            huuryoku_->value(), tenki_->selectedRow(), kiatu_->value()};
    ShipRow typed{.latitude = ToUtf8(hokui_->text()),
                  .longitude = ToUtf8(toukei_->text()),
                  .direction = ToUtf8(huukou_->editText()),
                  .force = ToUtf8(huuryoku_->text()),
                  .weather = ToUtf8(tenki_->editText()),
                  .pressure = ToUtf8(kiatu_->text())};
    const Result<int> next = state_.lists.ships.Enter(state_.observations, SelectedRow(), report, std::move(typed));
    ShowOutcome(next, QStringLiteral("船舶の報告"));
}

void Kaiyou1::OnDeleteClicked() {
    const int next = state_.lists.ships.Delete(state_.observations, SelectedRow());
    ShowRowsAndSelect(next);
}

HelpPage Kaiyou1::Help() const { return ShipFormHelp(); }

}  // namespace isobra
