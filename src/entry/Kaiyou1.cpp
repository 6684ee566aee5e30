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

namespace {

constexpr int kStartDirection = 7;  // "南南西"

}  // namespace

Kaiyou1::Kaiyou1(AppState& state, Prompts& prompts, QWidget* parent)
    : EntryForm(state, prompts, state.lists.ships, parent) {
    setObjectName(QStringLiteral("Kaiyou1"));
    const QColor background(192, 255, 255);

    auto* kansokubi = AddDateField(this, background, Twips(0, 0, 2250, 585), true);
    auto* tugi = AddButton(this, QStringLiteral("Tugi"), QStringLiteral("データ入力"), Twips(4440, 0, 1635, 495), true);
    SetColour(tugi, QPalette::Button, QColor(255, 255, 0));
    auto* cmdDelete = AddButton(this, QStringLiteral("cmdDelete"), QStringLiteral("削除"), Twips(6120, 0, 1005, 495));
    auto* setumei = AddButton(this, QStringLiteral("Setumei"), QStringLiteral("説明"), Twips(7200, 0, 975, 495));
    auto* modoru = AddButton(this, QStringLiteral("Modoru"), QStringLiteral("もどる"), Twips(8280, 0, 960, 495));
    SetColour(modoru, QPalette::Button, Qt::white);

    // Labels stand above their fields.
    AddLabel(this, QStringLiteral("北緯"), Twips(3960, 480, 510, 240));
    AddLabel(this, QStringLiteral("東経"), Twips(4560, 480, 660, 240));
    AddLabel(this, QStringLiteral("風　向"), Twips(5280, 480, 1335, 240));
    AddLabel(this, QStringLiteral("風力"), Twips(6600, 480, 585, 240));
    AddLabel(this, QStringLiteral("天　気"), Twips(7200, 480, 1335, 240));
    AddLabel(this, QStringLiteral("気圧"), Twips(8520, 480, 750, 240));

    kansokuData_ = AddList(this, QStringLiteral("KansokuData"), EditLineList::EditMode::Free,
                           Twips(0, 720, 3855, 4680), false);
    kansokuData_->list()->setItemDelegate(new AlignedRowDelegate(RowKind::Ship, kansokuData_->list()));
    auto* hokuiVS = AddScrollBar(this, QStringLiteral("HokuiVS"), Twips(4080, 1200, 270, 2730));
    hokui_ = AddNumberField(this, QStringLiteral("Hokui"), {u'0', u'9', 34, 15, 60, 60, 14, false}, hokuiVS,
                            Twips(3960, 720, 510, 405), false);
    auto* toukeiVS = AddScrollBar(this, QStringLiteral("ToukeiVS"), Twips(4800, 1200, 270, 2730));
    toukei_ = AddNumberField(this, QStringLiteral("Toukei"), {u'0', u'9', 135, 100, 160, 168, 100, false}, toukeiVS,
                             Twips(4560, 720, 660, 405), false);
    huukou_ = AddList(this, QStringLiteral("Huukou"), EditLineList::EditMode::PicksItem, Twips(5280, 720, 1335, 4680),
                      true);
    auto* huuryokuVS = AddScrollBar(this, QStringLiteral("HuuryokuVS"), Twips(6720, 1200, 270, 2730));
    huuryoku_ = AddNumberField(this, QStringLiteral("Huuryoku"), {u'0', u'9', 0, 0, 12, 12, 0, false}, huuryokuVS,
                               Twips(6600, 720, 585, 405), false);
    tenki_ = AddList(this, QStringLiteral("Tenki"), EditLineList::EditMode::PicksItem, Twips(7200, 720, 1335, 3420),
                     true);
    auto* kiatuVS = AddScrollBar(this, QStringLiteral("KiatuVS"), Twips(8760, 1200, 270, 2730));
    kiatu_ = AddNumberField(this, QStringLiteral("Kiatu"), {u'0', u'9', 1013, 900, 1100, 1100, 900, true}, kiatuVS,
                            Twips(8520, 720, 750, 405), false);

    setTabOrder(hokui_, toukei_);
    setTabOrder(toukei_, huukou_->editLine());
    setTabOrder(huukou_->editLine(), huuryoku_);
    setTabOrder(huuryoku_, tenki_->editLine());
    setTabOrder(tenki_->editLine(), kiatu_);
    setTabOrder(kiatu_, tugi);
    setTabOrder(tugi, kansokubi);

    QStringList directions;
    for (auto text : kWindDirectionTexts) directions << ToQ(text);
    huukou_->setItems(directions);
    huukou_->selectRow(kStartDirection);
    QStringList weathers;
    for (auto text : kWeatherTexts) weathers << ToQ(text);
    tenki_->setItems(weathers);
    tenki_->selectRow(0);

    RebuildRowsFromData();
    kansokuData_->setEditText(kansokuData_->itemText(0));
    SelectRow(RowCount() - 1);

    connect(tugi, &QPushButton::clicked, this, &Kaiyou1::OnTugiClicked);
    connect(cmdDelete, &QPushButton::clicked, this, &Kaiyou1::OnDeleteClicked);
    connect(setumei, &QPushButton::clicked, this, &Kaiyou1::OnSetumeiClicked);
    connect(modoru, &QPushButton::clicked, this, &Kaiyou1::OnModoruClicked);
    connect(kansokubi, &ClickableLineEdit::clicked, this, &Kaiyou1::OnKansokubiClicked);

    FinishWindow(this, QStringLiteral("船舶からの報告データの入力"), background);
}

void Kaiyou1::RebuildRowsFromData() {
    state_.lists.ships.RebuildFromData(state_.observations);
    ShowRows();
    SelectRow(-1);
}

void Kaiyou1::OnTugiClicked() {
    const ShipReport report{hokui_->value(),     toukei_->value(),    huukou_->selectedRow(),
                            huuryoku_->value(),  tenki_->selectedRow(), kiatu_->value()};
    const ShipRowTexts texts{ToUtf8(hokui_->text()),    ToUtf8(toukei_->text()),  ToUtf8(huukou_->editText()),
                             ToUtf8(huuryoku_->text()), ToUtf8(tenki_->editText()), ToUtf8(kiatu_->text())};
    const Result<int> next = state_.lists.ships.Enter(state_.observations, SelectedRow(), report, texts);
    if (!next) {
        prompts_.Inform(QStringLiteral("船舶の報告"), ToQ(next.message()));
        return;
    }
    ShowRows();
    SelectRow(*next);
}

void Kaiyou1::OnDeleteClicked() {
    const int next = state_.lists.ships.Delete(state_.observations, SelectedRow());
    ShowRows();
    SelectRow(next);
}

void Kaiyou1::OnKansokubiClicked() { kansokuData_->setEditText(QStringLiteral("観測日を入力してください")); }

void Kaiyou1::OnSetumeiClicked() {
    const HelpPage help = ShipFormHelp();
    prompts_.Inform(help.title, help.text);
}

}  // namespace isobra
