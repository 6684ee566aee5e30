#include "entry/Tenki1.h"

#include <QListWidget>
#include <QPushButton>

#include "entry/AlignedRowDelegate.h"
#include "entry/EditLineList.h"
#include "entry/EntryFormKit.h"
#include "entry/NumericEntryField.h"
#include "model/CodeTables.h"
#include "widgets/HelpTexts.h"
#include "widgets/Prompts.h"
#include "widgets/QtText.h"
#include "widgets/Twips.h"

namespace isobra {

using namespace entry_form;

Tenki1::Tenki1(AppState& state, Prompts& prompts, QWidget* parent)
    : EntryForm(state, prompts, state.lists.land, parent) {
    setObjectName(QStringLiteral("Tenki1"));
    const QColor background(192, 255, 192);

    const CommonPlaces places{Twips(0, 0, 2700, 585), false, Twips(5520, 0, 1770, 495), Twips(7440, 0, 810, 495),
                              Twips(8400, 0, 975, 495)};
    tugi_ = AddCommonControls(background, places).tugi;

    AddLabels(this, {
                        {QStringLiteral("観　測　地"), Twips(600, 600, 1455, 255)},
                        {QStringLiteral("風　向"), Twips(4440, 600, 855, 255)},
                        {QStringLiteral("風力"), Twips(5880, 600, 615, 255)},
                        {QStringLiteral("天　気"), Twips(6720, 600, 855, 255)},
                        {QStringLiteral("気圧"), Twips(7920, 600, 645, 255)},
                        {QStringLiteral("気温"), Twips(8760, 600, 615, 255)},
                    });

    kansokuData_ =
        AddList(this, QStringLiteral("KansokuData"), EditLineList::EditMode::Free, Twips(0, 840, 4335, 4680), false);
    kansokuData_->list()->setItemDelegate(new AlignedRowDelegate(kansokuData_->list()));
    huukou_ =
        AddList(this, QStringLiteral("Huukou"), EditLineList::EditMode::PicksItem, Twips(4440, 840, 1290, 4680), true);
    huuryoku_ = AddNumberField(this, QStringLiteral("Huuryoku"), kForceField, Twips(5760, 840, 615, 405),
                               Twips(6000, 1320, 255, 2730), true);
    tenki_ =
        AddList(this, QStringLiteral("Tenki"), EditLineList::EditMode::PicksItem, Twips(6480, 840, 1260, 3600), true);
    kiatu_ = AddNumberField(this, QStringLiteral("Kiatu"), kPressureField, Twips(7800, 840, 750, 405),
                            Twips(8040, 1320, 270, 2730), true);
    ondo_ = AddNumberField(this, QStringLiteral("Ondo"), kTemperatureField, Twips(8640, 840, 735, 405),
                           Twips(8880, 1320, 270, 2730), false);

    firstField_ = huukou_->editLine();
    setTabOrder(huukou_->editLine(), huuryoku_);
    setTabOrder(huuryoku_, tenki_->editLine());
    setTabOrder(tenki_->editLine(), kiatu_);
    setTabOrder(kiatu_, ondo_);
    setTabOrder(ondo_, tugi_);

    state_.lists.land.ResetToNames(state_.observations);
    ShowRows();
    kansokuData_->setEditText(kansokuData_->itemText(0));

    FillDirections(huukou_);
    FillWeathers(tenki_);

    // After an observation file was loaded the last plot index is the station
    // count; at start-up it is 0 and nothing is rebuilt.
    RebuildRowsFromData(state_.field.plotTable.lastPlotIndex, LandWeather::OnlyWithReport);
    kansokuData_->selectRow(-1);

    FinishWindow(this, QStringLiteral("気象データの入力"), background);
}

void Tenki1::RebuildRowsFromData(int count, LandWeather weather) {
    state_.lists.land.RebuildFromData(state_.observations, count, weather);
    ShowRows();
}

void Tenki1::OnTugiClicked() {
    const LandReport report{huukou_->selectedRow(), huuryoku_->value(), tenki_->selectedRow(), kiatu_->value(),
                            ondo_->value()};
    LandRow typed{.direction = ToUtf8(huukou_->editText()),
                  .force = ToUtf8(huuryoku_->text()),
                  .weather = ToUtf8(tenki_->editText()),
                  .pressure = ToUtf8(kiatu_->text()),
                  .temperature = ToUtf8(ondo_->text())};
    const int next = state_.lists.land.Enter(state_.observations, SelectedRow(), report, std::move(typed));
    ShowRowsAndSelect(next);
}

HelpPage Tenki1::Help() const { return LandFormHelp(); }

}  // namespace isobra
