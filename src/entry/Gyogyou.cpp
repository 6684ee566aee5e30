#include "entry/Gyogyou.h"

#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "widgets/Prompts.h"
#include "entry/AlignedRowDelegate.h"
#include "entry/EditLineList.h"
#include "entry/EntryFormKit.h"
#include "entry/NumericEntryField.h"
#include "model/EntryRows.h"

namespace isobra {

using namespace entry_form;

namespace {

// In list order; items 3..6 are the fronts, whose points carry no pressure.
constexpr const char* kKinds[] = {"高気圧", "低気圧", "台風", "温暖前線", "寒冷前線", "停滞前線", "閉塞前線", "等圧線"};
constexpr int kFirstFrontItem = 3;
constexpr int kLastFrontItem = 6;

bool IsFront(std::string_view kind) { return kind.ends_with("前線"); }
bool IsLow(std::string_view kind) { return kind == "低気圧"; }
bool IsFrontOrLow(std::string_view kind) { return IsFront(kind) || IsLow(kind); }

}  // namespace

Gyogyou::Gyogyou(AppState& state, Prompts& prompts, QWidget* parent)
    : EntryForm(state, prompts, parent, &state.observations.fisheryCount) {
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
    for (const char* kind : kKinds) kinds << QString::fromUtf8(kind);
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
    RebuildRows(state_.observations.fisheryCount, [this](int slot) { return ToQ(FisheryRowFromData(state_.observations.fishery(slot))); });
}

int Gyogyou::TargetRow() const {
    const int n = RowCount();
    const int r = SelectedRow();
    if (r >= 0 && r < n - 1) return r;
    return r + 1;
}

// As a delete does: the slots after the row move up, so list row k keeps
// showing fishery slot k.
void Gyogyou::RemoveRowAndSlot(int row) {
    const int n = RowCount();
    kansokuData_->removeItem(row);
    ObservationSet& obs = state_.observations;
    for (int k = row; k + 1 < n && ObservationSet::IsSlot(k + 1); ++k) obs.fishery(k) = obs.fishery(k + 1);
}

void Gyogyou::WriteRow(int row, const QString& text) {
    if (row >= RowCount())
        kansokuData_->appendItem(text);
    else
        kansokuData_->setItemText(row, text);
}

bool Gyogyou::RefuseWhenFull(int row) {
    if (ObservationSet::IsSlot(row)) return false;
    prompts_.Inform(QStringLiteral("漁業気象"), FullListMessage());
    return true;
}

void Gyogyou::OnTugiClicked() {
    // With nothing selected (after a file load, say) a new entry goes to the
    // end of the list, as if the last row were selected: taking row 0 would
    // silently replace an entry the user never chose.
    if (SelectedRow() < 0 && RowCount() > 0) SelectRow(RowCount() - 1);
    ObservationSet& obs = state_.observations;
    const std::string kind = ToUtf8(syurui_->editText());
    int t = TargetRow();

    // A pending marker before the target becomes the first point of a front,
    // or gives its place to any other entry.
    const bool markerBefore = t >= 2 && IsMarkerKind(obs.fishery(t - 1).kind);
    const bool takesMarkerPlace = markerBefore && !IsFront(kind);
    if (RefuseWhenFull(takesMarkerPlace ? t - 1 : t)) return;
    if (markerBefore) {
        if (!takesMarkerPlace) {
            obs.fishery(t - 1).kind = kind;
        } else {
            RemoveRowAndSlot(t - 1);
            SelectRow(t - 2);
            t -= 1;
        }
    }

    const int item = syurui_->selectedRow();
    const QString pressureText = (item >= kFirstFrontItem && item <= kLastFrontItem) ? QString() : kiatu_->text();
    FisheryEntry& entry = obs.fishery(t);
    entry.latitude = hokui_->value();
    entry.longitude = toukei_->value();
    entry.pressure = NumericEntryField::TextValue(pressureText);
    entry.kind = kind;

    WriteRow(t, ToQ(FisheryRow(ToUtf8(hokui_->text()), ToUtf8(toukei_->text()), kTypedLongitudeWidth,
                               ToUtf8(pressureText), kind)));
    SelectRow(SelectedRow() + 1);
    SyncCount();
}

void Gyogyou::AddMarker(std::string_view marker, bool (*accepts)(std::string_view kindBefore)) {
    if (SelectedRow() < 0) return;
    const int t = TargetRow();
    if (t == 0) return;
    ObservationSet& obs = state_.observations;
    const FisheryEntry before = obs.fishery(t - 1);
    if (!accepts(before.kind)) return;
    if (RefuseWhenFull(t)) return;

    FisheryEntry& entry = obs.fishery(t);
    entry = FisheryEntry{std::string(marker), before.latitude, before.longitude, 0};
    WriteRow(t, ToQ(MarkerRow(entry)));
    // The count follows at the next entry, delete or "もどる".
    SelectRow(SelectedRow() + 1);
}

void Gyogyou::OnTyuusinClicked() { AddMarker(kFromCentreMarker, IsLow); }

void Gyogyou::OnSokoClicked() { AddMarker(kFromThereMarker, IsFrontOrLow); }

void Gyogyou::OnDeleteClicked() {
    const int r = SelectedRow();
    if (r >= 0 && r < RowCount()) {
        RemoveRowAndSlot(r);
        SelectRow(r - 1);
    }
    SyncCount();
}

void Gyogyou::OnKansokubiClicked() { state_.observations.observationDate = ToUtf8(kansokubi_->text()); }

void Gyogyou::OnSetumeiClicked() {
    prompts_.Inform(QStringLiteral("漁業気象の説明 "),
                    HelpText({
                        QStringLiteral("マウスを使うとき"),
                        QStringLiteral("　　矢印をクリックするか、ドラッグ（ボタンをおして移動する）"),
                        QStringLiteral("　　すると数値が変わります。"),
                        QStringLiteral("　　「データの入力」をクリックすると入力されます。"),
                        QString(),
                        QStringLiteral("キーボードから入力するとき"),
                        QStringLiteral("　　［ＴＡＢ］キーを押すと次の項目に移ります。"),
                        QStringLiteral("　　(SHIFT+TABで前の項目に戻ります)"),
                        QStringLiteral("　　北緯、東経、気圧は数値を入力して［ＴＡＢ］"),
                        QStringLiteral("　　高気圧や低気圧はカーソルキーで選んで［ＴＡＢ］"),
                        QStringLiteral("　　「データの入力」のところで「リターン」キーを押すと入力。"),
                        QStringLiteral("　　なれるとキーボードからのほうが速いです。"),
                        QStringLiteral("「中心から」は低気圧から出る前線の入力に使います。"),
                        QStringLiteral("「ここから」は前線がべつの前線に変化するときに使います。"),
                        QStringLiteral("　　　　どちらもあとで前線のデータに変換されます。"),
                    }));
}

}  // namespace isobra
