#include <QPushButton>
#include <memory>

#include "entry/EntryFormKit.h"
#include "entry/Kaiyou1.h"
#include "model/EntryList.h"
#include "model/EntryRows.h"
#include "support/ScriptedPrompts.h"
#include "support/TypistKit.h"
#include "widgets/QtText.h"

using namespace isobra;
using namespace typist;

class Kaiyou1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> state_;
    std::unique_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<Kaiyou1> form_;

    EditLineList* List(const char* name) { return Find<EditLineList>(form_.get(), name); }
    NumericEntryField* Field(const char* name) { return Find<NumericEntryField>(form_.get(), name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(form_.get(), name); }

    // One report entered with the given latitude; the other fields as they stand.
    void Enter(int latitude) {
        Field("Hokui")->setText(QString::number(latitude));
        form_->OnTugiClicked();
    }
    QList<int> Latitudes() {
        QList<int> out;
        for (int k = 0; k < form_->RowCount(); ++k) {
            out << state_->observations.ship(k).latitude;
            if (form_->RowText(k).left(4).trimmed().toInt() != out.last()) out.last() = -999;  // row and slot disagree
        }
        return out;
    }

private slots:
    void init() {
        state_ = std::make_unique<AppState>();
        prompts_ = std::make_unique<test::ScriptedPrompts>();
        form_ = std::make_unique<Kaiyou1>(*state_, *prompts_);
    }
    void cleanup() {
        form_.reset();
        prompts_.reset();
        state_.reset();
    }

    void startsEmptyWithItsOwnColours() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("船舶からの報告データの入力"));
        QCOMPARE(form_->palette().color(QPalette::Window), QColor(192, 255, 255));
        QCOMPARE(Button("Tugi")->palette().color(QPalette::Button), QColor(255, 255, 0));
        QCOMPARE(Button("Modoru")->palette().color(QPalette::Button), QColor(Qt::white));
        QCOMPARE(Button("cmdDelete")->text(), QStringLiteral("削除"));
        QCOMPARE(form_->RowCount(), 0);
        QCOMPARE(Field("Hokui")->text(), QStringLiteral("34"));
        QCOMPARE(Field("Toukei")->text(), QStringLiteral("135"));
        QCOMPARE(Field("Kiatu")->text(), QStringLiteral("1013"));
        QCOMPARE(List("Huukou")->editText(), QStringLiteral("南南西"));
        QCOMPARE(Find<QScrollBar>(form_.get(), "ToukeiVS")->geometry(), QRect(320, 80, 18, 182));
    }

    void typistEntersReportsAndTabGoesRoundThroughTheDateField() {
        ShowActive(form_.get());
        QTRY_COMPARE(Focused(), static_cast<QWidget*>(Field("Hokui")));
        Type("30");
        Tab();
        Tab();  // longitude kept: 135
        ArrowTo(List("Huukou"), 8);
        Tab();
        Type("4");
        Tab();
        ArrowTo(List("Tenki"), 2);
        Tab();
        Type("8");
        Tab();
        QCOMPARE(Focused(), Button("Tugi"));
        Return();
        QCOMPARE(form_->RowCount(), 1);
        QCOMPARE(form_->RowText(0), QStringLiteral("  30 135南       4 くもり    1008"));
        QCOMPARE(state_->observations.ship(0), (ShipReport{30, 135, 8, 4, 2, 1008}));
        QCOMPARE(state_->observations.shipCount(), 1);
        QCOMPARE(form_->SelectedRow(), 0);

        Tab();
        QCOMPARE(Focused(), static_cast<QWidget*>(Find<QLineEdit>(form_.get(), "kansokubi")));
        Tab();
        QCOMPARE(Focused(), static_cast<QWidget*>(Field("Hokui")));
        Type("31");
        for (int i = 0; i < 6; ++i) Tab();
        QCOMPARE(Focused(), Button("Tugi"));
        Return();
        QCOMPARE(form_->RowCount(), 2);  // the last row is never replaced
        QCOMPARE(form_->SelectedRow(), 1);
        QCOMPARE(state_->observations.ship(1).latitude, 31);
        QCOMPARE(state_->observations.shipCount(), 2);
    }

    void entryReplacesTheSelectedRowButAppendsAfterTheLast() {
        for (int lat = 20; lat < 25; ++lat) Enter(lat);
        QCOMPARE(Latitudes(), (QList<int>{20, 21, 22, 23, 24}));
        form_->SelectRow(2);
        Enter(42);
        QCOMPARE(Latitudes(), (QList<int>{20, 21, 42, 23, 24}));
        QCOMPARE(form_->SelectedRow(), 3);
        form_->SelectRow(4);
        Enter(50);
        QCOMPARE(Latitudes(), (QList<int>{20, 21, 42, 23, 24, 50}));
        QCOMPARE(form_->SelectedRow(), 5);
        QCOMPARE(state_->observations.shipCount(), 6);
    }

    // Without a selection (as after a file load) an entry is appended; it
    // never replaces a report the user did not choose.
    void withoutSelectionAnEntryIsAppended() {
        Enter(20);
        form_->SelectRow(-1);
        Enter(21);
        QCOMPARE(Latitudes(), (QList<int>{20, 21}));
        QCOMPARE(form_->SelectedRow(), 1);
        form_->SelectRow(-1);
        Enter(22);
        QCOMPARE(Latitudes(), (QList<int>{20, 21, 22}));
        QCOMPARE(form_->SelectedRow(), 2);
        QCOMPARE(state_->observations.shipCount(), 3);
    }

    void deleteMovesTheLaterReportsUp() {
        for (int lat = 20; lat < 23; ++lat) Enter(lat);
        form_->SelectRow(-1);
        form_->OnDeleteClicked();  // nothing selected: nothing goes
        QCOMPARE(Latitudes(), (QList<int>{20, 21, 22}));
        QCOMPARE(state_->observations.shipCount(), 3);

        form_->SelectRow(1);
        QTest::mouseClick(Button("cmdDelete"), Qt::LeftButton);
        QCOMPARE(Latitudes(), (QList<int>{20, 22}));
        QCOMPARE(form_->SelectedRow(), 0);
        QCOMPARE(state_->observations.shipCount(), 2);
        form_->OnDeleteClicked();
        QCOMPARE(Latitudes(), (QList<int>{22}));
        QCOMPARE(form_->SelectedRow(), -1);
    }

    void calmShowsIdeographicSpacesAndTheWeatherAlways() {
        List("Tenki")->selectRow(9);  // 霧
        Field("Huuryoku")->setText("0");
        Field("Kiatu")->setText("0");
        form_->OnTugiClicked();
        QCOMPARE(form_->RowText(0), QStringLiteral("  34 135　　　     0 霧         0"));
        QCOMPARE(state_->observations.ship(0).weather, 9);
    }

    void theHundredAndSecondReportIsRefused() {
        for (int k = 0; k < 101; ++k) Enter(15 + k % 40);
        QCOMPARE(form_->RowCount(), 101);
        QVERIFY(prompts_->shown.empty());
        const ShipReport last = state_->observations.ship(100);
        Enter(59);
        QCOMPARE(form_->RowCount(), 101);
        QCOMPARE(state_->observations.ship(100), last);
        QCOMPARE(state_->observations.shipCount(), 101);
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].title, QStringLiteral("船舶の報告"));
        QCOMPARE(prompts_->shown[0].text, ToQ(kFullListMessage));
        QVERIFY(prompts_->shown[0].text.startsWith(QStringLiteral("これ以上は入力できません")));
        // Replacing a report is still possible.
        form_->SelectRow(3);
        Enter(59);
        QCOMPARE(state_->observations.ship(3).latitude, 59);
        QCOMPARE(prompts_->shown.size(), size_t(1));
    }

    void backAndCloseBoxHideTheWindowAndKeepItsRows() {
        ShowActive(form_.get());
        Enter(20);
        Enter(21);
        QTest::mouseClick(Button("Modoru"), Qt::LeftButton);
        QTRY_VERIFY(!form_->isVisible());
        QCOMPARE(state_->observations.shipCount(), 2);
        ShowActive(form_.get());
        form_->close();
        QCOMPARE(state_->observations.shipCount(), 2);
        QCOMPARE(form_->RowCount(), 2);  // closing hides; the window and its list live on
    }

    void rebuildsFromTheData() {
        ObservationSet& obs = state_->observations;
        obs.ship(0) = ShipReport{30, 135, 8, 4, 2, 1008};
        obs.ship(1) = ShipReport{45, 150, 3, 0, 9, 0};
        obs.SetShipCount(2);
        Kaiyou1 again(*state_, *prompts_);
        QCOMPARE(again.RowCount(), 2);
        QCOMPARE(again.SelectedRow(), 1);  // creation selects the last row
        QCOMPARE(again.RowText(1), QString::fromStdString(RowText(CellsOf(ShipRowFromData(obs.ship(1))))));
        again.SelectRow(0);
        again.RebuildRowsFromData();
        QCOMPARE(again.RowCount(), 2);
        QCOMPARE(again.SelectedRow(), -1);  // after a load no row is selected
        state_->lists.ships.Clear(obs);
        again.ShowRows();
        QCOMPARE(again.RowCount(), 0);
        QCOMPARE(obs.shipCount(), 0);
    }

    void dateFieldAndHelp() {
        QTest::mouseClick(Find<QLineEdit>(form_.get(), "kansokubi"), Qt::LeftButton);
        QCOMPARE(List("KansokuData")->editText(), QStringLiteral("観測日を入力してください"));
        form_->OnSetumeiClicked();
        QCOMPARE(prompts_->shown.at(0).title, QStringLiteral(" 「船舶、海洋ブイからの報告」の説明 "));
        const QStringList lines = prompts_->shown.at(0).text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines[7], QStringLiteral("　　(SHIFT+TABで前の項目に戻ります）"));
        QCOMPARE(lines[12], QString());
        QCOMPARE(lines[15], QStringLiteral("最後の行のデータは変更できません。削除して入力してください。"));
    }
};

QTEST_MAIN(Kaiyou1Test)
#include "Kaiyou1Test.moc"
