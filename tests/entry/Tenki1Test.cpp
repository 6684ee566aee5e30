#include <QLabel>
#include <QPushButton>
#include <memory>

#include "entry/Tenki1.h"
#include "model/CodeTables.h"
#include "model/EntryRows.h"
#include "support/ScriptedPrompts.h"
#include "support/TypistKit.h"

using namespace isobra;
using namespace typist;

namespace {

QString Calm() { return QString::fromStdString(std::string(kCalmDirection)); }

QString TypedRow(const std::string& name, const QString& direction, const QString& force, const QString& weather,
                 const QString& pressure, const QString& temperature) {
    return QString::fromStdString(
        RowText(CellsOf(LandRow{name, direction.toStdString(), force.toStdString(), weather.toStdString(),
                                pressure.toStdString(), temperature.toStdString()})));
}

}  // namespace

class Tenki1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> state_;
    std::unique_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<Tenki1> form_;

    EditLineList* List(const char* name) { return Find<EditLineList>(form_.get(), name); }
    NumericEntryField* Field(const char* name) { return Find<NumericEntryField>(form_.get(), name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(form_.get(), name); }

private slots:
    void init() {
        state_ = std::make_unique<AppState>();
        prompts_ = std::make_unique<test::ScriptedPrompts>();
        form_ = std::make_unique<Tenki1>(*state_, *prompts_);
    }
    void cleanup() {
        form_.reset();
        prompts_.reset();
        state_.reset();
    }

    void startsWithBareStationNamesAndStartValues() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("気象データの入力"));
        QVERIFY(form_->windowFlags() & Qt::Window);
        QCOMPARE(form_->palette().color(QPalette::Window), QColor(192, 255, 192));
        QCOMPARE(form_->RowCount(), 54);
        QCOMPARE(form_->RowText(0), QStringLiteral("石垣島"));
        QCOMPARE(form_->RowText(53), QStringLiteral("富士山"));
        QCOMPARE(form_->SelectedRow(), -1);
        QCOMPARE(List("KansokuData")->editText(), QStringLiteral("石垣島"));
        QCOMPARE(List("Huukou")->count(), 16);
        QCOMPARE(List("Huukou")->editText(), QStringLiteral("南南西"));
        QCOMPARE(List("Tenki")->count(), 11);
        QCOMPARE(List("Tenki")->editText(), QStringLiteral("快晴"));
        QCOMPARE(Field("Huuryoku")->text(), QStringLiteral("0"));
        QCOMPARE(Field("Kiatu")->text(), QStringLiteral("1013"));
        QCOMPARE(Field("Ondo")->text(), QStringLiteral("20"));
        // Twips at 15 per pixel.
        QCOMPARE(Button("Tugi")->geometry(), QRect(368, 0, 118, 33));
        QCOMPARE(Button("Tugi")->text(), QStringLiteral("データ入力"));
        QCOMPARE(List("KansokuData")->geometry(), QRect(0, 56, 289, 312));
        QCOMPARE(Find<QScrollBar>(form_.get(), "KiatuVS")->geometry(), QRect(536, 88, 18, 182));
        QVERIFY(!form_->isVisible());
    }

    // The whole land report by keyboard: arrows for direction and weather,
    // digits for the numbers, Tab between them, Return on the entry button.
    void typistEntersAllFiftyFourStations() {
        ShowActive(form_.get());
        EditLineList* direction = List("Huukou");
        EditLineList* weather = List("Tenki");
        QTRY_COMPARE(Focused(), direction->editLine());

        const QStringList shortPressures = {"8", "96", "13", "1002"};
        const QStringList expandedPressures = {"1008", "996", "1013", "1002"};
        for (int i = 0; i < 54; ++i) {
            const int dir = (i * 5) % 16;
            const int force = i % 13;
            const int sky = i % 11;
            const QString temperature = i % 2 ? QStringLiteral("-5") : QStringLiteral("25");

            QCOMPARE(Focused(), direction->editLine());
            ArrowTo(direction, dir);
            Tab();
            Type(QString::number(force));
            Tab();
            ArrowTo(weather, sky);
            Tab();
            Type(shortPressures[i % 4]);
            Tab();
            Type(temperature);
            Tab();
            QCOMPARE(Focused(), Button("Tugi"));
            Return();

            const LandReport& r = state_->observations.land(i);
            QCOMPARE(r.windDirection, dir);
            QCOMPARE(r.windForce, force);
            QCOMPARE(r.weather, sky);
            QCOMPARE(r.pressure, expandedPressures[i % 4].toInt());
            QCOMPARE(r.temperature, temperature.toInt());
            const QString dirText = force != 0 ? QString::fromStdString(WindDirectionText(dir)) : Calm();
            QCOMPARE(form_->RowText(i),
                     TypedRow(state_->observations.stationName(i), dirText, QString::number(force),
                              QString::fromStdString(WeatherText(sky)), expandedPressures[i % 4], temperature));
            QCOMPARE(form_->SelectedRow(), std::min(i + 1, 53));
            Tab();  // from the button round to the direction list
        }
        // Return on the last station rewrites it and leaves it selected.
        BackTab();
        QCOMPARE(Focused(), Button("Tugi"));
        Return();
        QCOMPARE(form_->SelectedRow(), 53);
        QCOMPARE(form_->RowText(52).left(2), QStringLiteral("父島"));
    }

    void shiftTabGoesBackAndSkipsTheOtherControls() {
        ShowActive(form_.get());
        QTRY_COMPARE(Focused(), List("Huukou")->editLine());
        const QList<QWidget*> order = {Field("Huuryoku"), List("Tenki")->editLine(), Field("Kiatu"), Field("Ondo"),
                                       Button("Tugi"),    List("Huukou")->editLine()};
        for (QWidget* next : order) {
            Tab();
            QCOMPARE(Focused(), next);
        }
        BackTab();
        QCOMPARE(Focused(), Button("Tugi"));
        BackTab();
        QCOMPARE(Focused(), Field("Ondo"));
    }

    void entryWithoutSelectionWritesTheFirstStation() {
        form_->OnTugiClicked();
        QCOMPARE(form_->SelectedRow(), 1);
        QCOMPARE(state_->observations.land(0), (LandReport{7, 0, 0, 1013, 20}));
        // Force 0 with a pressure: calm direction, weather shown.
        QCOMPARE(form_->RowText(0), TypedRow("石垣島", Calm(), "0", "快晴", "1013", "20"));
    }

    void nothingReportedStoresNoWeather() {
        form_->SelectRow(4);
        List("Tenki")->selectRow(3);  // 雨, but there is nothing to go with it
        Field("Huuryoku")->setText("0");
        Field("Kiatu")->setText("0");
        Field("Ondo")->setText("0");
        form_->OnTugiClicked();
        QCOMPARE(state_->observations.land(4).weather, 0);
        QCOMPARE(form_->RowText(4), TypedRow("鹿児島", Calm(), "0", "", "0", "0"));
        QCOMPARE(form_->RowText(4), QStringLiteral("鹿児島") + QString(7, ' ') + Calm() + QString(3, ' ') + "  0" +
                                        " " + QString(6, ' ') + "    0" + "  0");
    }

    // Text typed into the direction list's edit line is no item: the code is
    // -1 and the row shows the text in full.
    void typedDirectionThatIsNoItem() {
        form_->SelectRow(2);
        EditLineList* direction = List("Huukou");
        direction->editLine()->setFocus(Qt::TabFocusReason);
        direction->editLine()->selectAll();
        TypeText(direction->editLine(), QStringLiteral("北より少し東"));
        QCOMPARE(direction->selectedRow(), -1);
        Field("Huuryoku")->setText("3");
        form_->OnTugiClicked();
        QCOMPARE(state_->observations.land(2).windDirection, -1);
        QVERIFY(form_->RowText(2).contains(QStringLiteral("北より少し東  3 ")));
        // Typing an item's exact text selects it again.
        direction->editLine()->selectAll();
        TypeText(direction->editLine(), QStringLiteral("北東"));
        QCOMPARE(direction->selectedRow(), 14);
    }

    void rebuildsRowsFromTheDataAtMostStationCount() {
        state_->observations.land(0) = LandReport{0, 3, 1, 1012, 25};
        state_->field.plotTable.lastPlotIndex = 80;  // after an isobar run: more than the stations
        Tenki1 again(*state_, *prompts_);
        QCOMPARE(again.RowCount(), 54);
        QCOMPARE(again.RowText(0), QStringLiteral("石垣島     北       3 晴れ     1012 25"));
        QCOMPARE(again.RowText(1), QString::fromStdString(RowText(CellsOf(
                                       LandRowFromData(state_->observations, 1, LandWeather::OnlyWithReport)))));
        QCOMPARE(again.SelectedRow(), -1);

        // The file loader's form shows the weather of a station without a report.
        state_->observations.land(1).weather = kWeatherUnknown;
        state_->lists.land.SetRowFromData(state_->observations, 1, LandWeather::Always);
        again.ShowRows();
        QVERIFY(again.RowText(1).contains(QStringLiteral("不明")));
        state_->lists.land.ResetToNames(state_->observations);
        again.ShowRows();
        QCOMPARE(again.RowText(0), QStringLiteral("石垣島"));
        QCOMPARE(again.RowText(1), QStringLiteral("那覇"));
    }

    void dateFieldClickPromptsInTheStationList() {
        form_->SelectRow(5);
        QTest::mouseClick(Find<QLineEdit>(form_.get(), "kansokubi"), Qt::LeftButton);
        QCOMPARE(List("KansokuData")->editText(), QStringLiteral("観測日を入力してください"));
        QCOMPARE(form_->SelectedRow(), 5);  // the next entry still goes to the selected station
    }

    void helpTextAndBackButton() {
        QTest::mouseClick(Button("Setumei"), Qt::LeftButton);
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].title, QStringLiteral(" 「各地の天気」の説明 "));
        const QStringList lines = prompts_->shown[0].text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 16);  // 14 lines, the extra empty one, and nothing after the last CR LF
        QCOMPARE(lines[4], QString());
        QCOMPARE(lines[11], QStringLiteral("　　なれるとキーボードからのほうが速いです。"));
        QCOMPARE(lines[12], QString());
        QCOMPARE(lines[13], QStringLiteral("入力してある行で「データの入力」をｸﾘｯｸすると変更されます。"));
        QCOMPARE(lines[15], QString());

        ShowActive(form_.get());
        Field("Kiatu")->setText("996");
        QTest::mouseClick(Button("Modoru"), Qt::LeftButton);
        QTRY_VERIFY(!form_->isVisible());
        form_->show();
        QCOMPARE(Field("Kiatu")->text(), QStringLiteral("996"));
        QCOMPARE(form_->RowCount(), 54);
    }
};

QTEST_MAIN(Tenki1Test)
#include "Tenki1Test.moc"
