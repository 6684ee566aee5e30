#include <QPushButton>
#include <memory>

#include "entry/Gyogyou.h"
#include "model/EntryRows.h"
#include "support/ScriptedPrompts.h"
#include "support/TypistKit.h"

using namespace isobra;
using namespace typist;

namespace {

enum Kind { kHigh, kLow, kTyphoon, kWarm, kCold, kStationary, kOccluded, kIsobar };

}  // namespace

class GyogyouTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> state_;
    std::unique_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<Gyogyou> form_;

    EditLineList* Kinds() { return Find<EditLineList>(form_.get(), "Syurui"); }
    NumericEntryField* Field(const char* name) { return Find<NumericEntryField>(form_.get(), name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(form_.get(), name); }

    void Enter(Kind kind, int latitude, int longitude = 140, int pressure = 1000) {
        Kinds()->selectRow(kind);
        Field("Hokui")->setText(QString::number(latitude));
        Field("Toukei")->setText(QString::number(longitude));
        Field("Kiatu")->setText(QString::number(pressure));
        form_->OnTugiClicked();
    }
    // "kind@latitude" for every slot in use, checked against its row.
    QStringList Entries() {
        QStringList out;
        for (int k = 0; k < form_->RowCount(); ++k) {
            const FisheryEntry& e = state_->observations.fishery(k);
            QString item = QString::fromStdString(e.kind) + "@" + QString::number(e.latitude);
            if (form_->RowText(k).left(4).trimmed().toInt() != e.latitude) item += "<row differs>";
            out << item;
        }
        return out;
    }

private slots:
    void init() {
        state_ = std::make_unique<AppState>();
        prompts_ = std::make_unique<test::ScriptedPrompts>();
        form_ = std::make_unique<Gyogyou>(*state_, *prompts_);
    }
    void cleanup() {
        form_.reset();
        prompts_.reset();
        state_.reset();
    }

    void startsEmptyWithTheKindList() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("漁業気象データの入力"));
        QCOMPARE(form_->palette().color(QPalette::Window), QColor(255, 255, 224));
        QCOMPARE(Kinds()->count(), 8);
        QCOMPARE(Kinds()->itemText(7), QStringLiteral("等圧線"));
        QCOMPARE(Kinds()->editText(), QStringLiteral("高気圧"));
        QCOMPARE(Field("Hokui")->text(), QStringLiteral("34"));
        QCOMPARE(Field("Toukei")->text(), QStringLiteral("135"));
        QCOMPARE(Field("Kiatu")->text(), QStringLiteral("1013"));
        QCOMPARE(Button("cmdSoko")->geometry(), QRect(528, 128, 72, 39));
        QCOMPARE(form_->RowCount(), 0);
    }

    // A low with its warm front, as the broadcast reads it: the low, "中心から",
    // then the front's points.
    void typistEntersALowAndItsWarmFront() {
        ShowActive(form_.get());
        QTRY_COMPARE(Focused(), static_cast<QWidget*>(Field("Hokui")));
        Type("40");
        Tab();
        Type("150");
        Tab();
        Type("96");
        Tab();
        ArrowTo(Kinds(), kLow);
        Tab();
        QCOMPARE(Focused(), Button("Tugi"));
        Return();
        QCOMPARE(form_->RowText(0), QStringLiteral("  40 150  996 低気圧"));
        QCOMPARE(state_->observations.fishery(0), (FisheryEntry{"低気圧", 40, 150, 996}));
        QCOMPARE(state_->observations.fisheryCount(), 1);

        QTest::mouseClick(Button("cmdTyuusin"), Qt::LeftButton);
        QCOMPARE(form_->RowText(1), QStringLiteral("  40 150      中心から"));
        QCOMPARE(state_->observations.fishery(1), (FisheryEntry{"中心から", 40, 150, 0}));
        QCOMPARE(form_->SelectedRow(), 1);
        QCOMPARE(state_->observations.fisheryCount(), 2);  // the marker's row counts at once

        QTest::mouseClick(Field("Hokui"), Qt::LeftButton);  // a click is a move too: the field is emptied
        Type("38");
        Tab();
        Type("152");
        Tab();
        Tab();
        ArrowTo(Kinds(), kWarm);
        Tab();
        Return();
        // The marker row stays as it was; its slot is now the front's first point.
        QCOMPARE(form_->RowText(1), QStringLiteral("  40 150      中心から"));
        QCOMPARE(state_->observations.fishery(1).kind, "温暖前線");
        // A front point carries no pressure, whatever the pressure field holds.
        QCOMPARE(form_->RowText(2), QStringLiteral("  38 152      温暖前線"));
        QCOMPARE(state_->observations.fishery(2), (FisheryEntry{"温暖前線", 38, 152, 0}));
        QCOMPARE(Field("Kiatu")->text(), QStringLiteral("996"));
        QCOMPARE(state_->observations.fisheryCount(), 3);
        QCOMPARE(form_->SelectedRow(), 2);
    }

    void anEntryThatIsNoFrontTakesTheMarkersPlace() {
        Enter(kLow, 40);
        form_->OnTyuusinClicked();
        Enter(kHigh, 35);
        QCOMPARE(Entries(), (QStringList{"低気圧@40", "高気圧@35"}));
        QCOMPARE(form_->SelectedRow(), 1);
        QCOMPARE(state_->observations.fisheryCount(), 2);
    }

    // In the middle of the list the marker's slot goes as a delete removes it,
    // so row k keeps showing slot k.
    void markerRemovedFromTheMiddleKeepsRowsAndSlotsInStep() {
        Enter(kLow, 40);
        form_->OnTyuusinClicked();
        Enter(kCold, 39);
        Enter(kCold, 38);
        state_->observations.fishery(1).kind = "中心から";  // a pending marker again
        form_->SelectRow(2);
        Enter(kTyphoon, 25);
        QCOMPARE(Entries(), (QStringList{"低気圧@40", "台風@25", "寒冷前線@38"}));
        QCOMPARE(form_->SelectedRow(), 1);
        QCOMPARE(state_->observations.fisheryCount(), 3);
    }

    void markerButtonsNeedTheRightEntryBefore() {
        form_->OnTyuusinClicked();  // empty list, nothing selected
        QCOMPARE(form_->RowCount(), 0);
        Enter(kHigh, 40);
        form_->OnTyuusinClicked();  // after a high: nothing
        QCOMPARE(form_->RowCount(), 1);
        Enter(kTyphoon, 20);
        form_->OnSokoClicked();  // after a typhoon: nothing
        QCOMPARE(form_->RowCount(), 2);
        Enter(kStationary, 30);
        form_->OnTyuusinClicked();  // "中心から" wants a low
        QCOMPARE(form_->RowCount(), 3);
        form_->OnSokoClicked();
        QCOMPARE(Entries(), (QStringList{"高気圧@40", "台風@20", "停滞前線@30", "そこから@30"}));
        QCOMPARE(form_->RowText(3), QStringLiteral("  30 140      そこから"));
        form_->SelectRow(-1);
        form_->OnSokoClicked();  // no selection: nothing
        QCOMPARE(form_->RowCount(), 4);
        form_->SelectRow(0);
        form_->OnSokoClicked();  // the first of several rows: nothing before it
        QCOMPARE(form_->RowCount(), 4);
    }

    // Without a selection (as after a file load) an entry never replaces a
    // row the user did not choose: it is appended.
    void withoutSelectionAnEntryIsAppended() {
        Enter(kHigh, 40);
        Enter(kLow, 41);
        form_->SelectRow(-1);
        Enter(kLow, 42);
        QCOMPARE(Entries(), (QStringList{"高気圧@40", "低気圧@41", "低気圧@42"}));
        QCOMPARE(form_->SelectedRow(), 2);
        Enter(kLow, 43);  // the last row selected: append again
        QCOMPARE(Entries(), (QStringList{"高気圧@40", "低気圧@41", "低気圧@42", "低気圧@43"}));
        // The marker buttons still need a selection.
        form_->SelectRow(-1);
        form_->OnTyuusinClicked();
        QCOMPARE(form_->RowCount(), 4);
    }

    void deleteAndTheRowsRebuiltFromTheData() {
        Enter(kHigh, 40, 150, 1020);
        Enter(kIsobar, 41);
        Enter(kLow, 42);
        form_->SelectRow(1);
        form_->OnDeleteClicked();
        QCOMPARE(Entries(), (QStringList{"高気圧@40", "低気圧@42"}));
        QCOMPARE(form_->SelectedRow(), 0);
        QCOMPARE(state_->observations.fisheryCount(), 2);

        // Rebuilt rows have one more space before the longitude than typed ones.
        const QString typed = form_->RowText(0);
        Gyogyou again(*state_, *prompts_);
        QCOMPARE(again.RowCount(), 2);
        QCOMPARE(again.SelectedRow(), 1);
        QCOMPARE(typed, QStringLiteral("  40 150 1020 高気圧"));
        QCOMPARE(again.RowText(0), QStringLiteral("  40  150 1020 高気圧"));
        again.RebuildRowsFromData();
        QCOMPARE(again.SelectedRow(), -1);
    }

    void theHundredAndSecondEntryIsRefused() {
        for (int k = 0; k < 100; ++k) Enter(kIsobar, 15 + k % 40);
        Enter(kLow, 50);
        QCOMPARE(form_->RowCount(), 101);
        QVERIFY(prompts_->shown.empty());
        form_->OnTyuusinClicked();  // would be row 102
        Enter(kHigh, 51);
        QCOMPARE(form_->RowCount(), 101);
        QCOMPARE(prompts_->shown.size(), size_t(2));
        QCOMPARE(prompts_->shown[1].title, QStringLiteral("漁業気象"));
        QCOMPARE(state_->observations.fishery(100).kind, "低気圧");
        QCOMPARE(state_->observations.fisheryCount(), 101);
    }

    void dateReachesTheDataOnlyWhenTheFieldIsClicked() {
        ShowActive(form_.get());
        auto* date = Find<QLineEdit>(form_.get(), "kansokubi");
        QTest::mouseClick(date, Qt::LeftButton);
        TypeText(date, QStringLiteral("１２月７日"));
        QCOMPARE(QString::fromStdString(state_->observations.observationDate), QString());
        QTest::mouseClick(date, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(state_->observations.observationDate), QStringLiteral("１２月７日"));
    }

    void helpText() {
        QTest::mouseClick(Button("Setumei"), Qt::LeftButton);
        QCOMPARE(prompts_->shown.at(0).title, QStringLiteral("漁業気象の説明 "));
        const QStringList lines = prompts_->shown.at(0).text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines[14], QStringLiteral("「ここから」は前線がべつの前線に変化するときに使います。"));
        QCOMPARE(lines[15], QStringLiteral("　　　　どちらもあとで前線のデータに変換されます。"));
    }
};

QTEST_MAIN(GyogyouTest)
#include "GyogyouTest.moc"
