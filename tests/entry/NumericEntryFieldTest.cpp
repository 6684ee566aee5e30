// The shared number field, exercised through the land and ship windows'
// fields, which carry the settings the user meets.
#include <memory>

#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "support/ScriptedPrompts.h"
#include "support/TypistKit.h"

using namespace isobra;
using namespace typist;

class NumericEntryFieldTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> state_;
    std::unique_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<Tenki1> land_;

    NumericEntryField* Field(const char* name) { return Find<NumericEntryField>(land_.get(), name); }

    // Enter the field with Tab, type, and leave it with Tab.
    QString TypeInto(const char* name, const QString& keys) {
        NumericEntryField* field = Field(name);
        EnterByTab(field);
        if (!field->hasFocus()) return QStringLiteral("<no focus>");
        if (!field->text().isEmpty()) return QStringLiteral("<not emptied>");
        TypeText(field, keys);  // as an input method delivers them, wide forms too
        QTest::keyClick(field, Qt::Key_Tab);
        return field->text();
    }

private slots:
    void init() {
        state_ = std::make_unique<AppState>();
        prompts_ = std::make_unique<test::ScriptedPrompts>();
        land_ = std::make_unique<Tenki1>(*state_, *prompts_);
        ShowActive(land_.get());
    }
    void cleanup() {
        land_.reset();
        prompts_.reset();
        state_.reset();
    }

    void pressureShortFormsAndClamp_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // The rules' own cases are ReportRulesTest's; here the field shows
        // what they give and its scroll control follows.
        QTest::newRow("one digit") << "8"
                                   << "1008";
        QTest::newRow("above 1100") << "1234"
                                    << "1100";
        QTest::newRow("above the old scroll end") << "1075"
                                                  << "1075";
        QTest::newRow("nothing typed keeps the value") << ""
                                                       << "1013";
        QTest::newRow("full-width digits") << "９６"
                                           << "996";
    }
    void pressureShortFormsAndClamp() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(TypeInto("Kiatu", typed), shown);
        QCOMPARE(Field("Kiatu")->scrollValue(), shown.toInt());
        QCOMPARE(Field("Kiatu")->rememberedText(), QStringLiteral("1013"));
    }

    void otherFieldsClampWithoutShortForms() {
        QCOMPARE(TypeInto("Huuryoku", "15"), QStringLiteral("12"));
        QCOMPARE(TypeInto("Huuryoku", "5"), QStringLiteral("5"));
        QCOMPARE(TypeInto("Ondo", "45"), QStringLiteral("40"));
        QCOMPARE(TypeInto("Ondo", "-50"), QStringLiteral("-40"));
        QCOMPARE(TypeInto("Ondo", "-5"), QStringLiteral("-5"));
        QCOMPARE(TypeInto("Ondo", "－５"), QStringLiteral("-5"));
        QCOMPARE(TypeInto("Ondo", "１２．５"), QStringLiteral("12"));  // not 125, clamped to 40
        QCOMPARE(Field("Kiatu")->text(), QStringLiteral("1013"));      // other fields untouched
        // Not a number counts as 0; for the pressure that clamps to 900.
        QCOMPARE(TypeInto("Ondo", "/"), QStringLiteral("0"));
    }

    void keysOutsideTheFieldsRangeAreDiscarded() {
        NumericEntryField* force = Field("Huuryoku");
        EnterByTab(force);
        QTest::keyClicks(force, "1a-2 ");
        QCOMPARE(force->text(), QStringLiteral("12"));
        QTest::keyClick(force, Qt::Key_Backspace);  // control keys pass
        QCOMPARE(force->text(), QStringLiteral("1"));

        NumericEntryField* temperature = Field("Ondo");
        EnterByTab(temperature);
        QTest::keyClicks(temperature, "x-1+2.5/");
        QCOMPARE(temperature->text(), QStringLiteral("-12.5/"));
    }

    // Through the entry button, as stored in the station's report.
    void halvesGoToTheEvenNeighbour() {
        land_->SelectRow(0);
        QCOMPARE(TypeInto("Ondo", "12.5"), QStringLiteral("12"));
        land_->OnTugiClicked();
        QCOMPARE(state_->observations.land(0).temperature, 12);
        QCOMPARE(TypeInto("Ondo", "13.5"), QStringLiteral("14"));
        land_->OnTugiClicked();
        QCOMPARE(state_->observations.land(1).temperature, 14);
    }

    void leavingWithoutTypingRestoresTheRememberedText() {
        NumericEntryField* pressure = Field("Kiatu");
        QCOMPARE(TypeInto("Kiatu", "996"), QStringLiteral("996"));
        EnterByTab(pressure);
        QCOMPARE(pressure->rememberedText(), QStringLiteral("996"));
        QTest::keyClicks(pressure, "10");
        QTest::keyClick(pressure, Qt::Key_Backspace);
        QTest::keyClick(pressure, Qt::Key_Backspace);
        QTest::keyClick(pressure, Qt::Key_Tab);
        QCOMPARE(pressure->text(), QStringLiteral("996"));
    }

    void scrollControlAndFieldFollowEachOther() {
        NumericEntryField* pressure = Field("Kiatu");
        auto* bar = Find<QScrollBar>(land_.get(), "KiatuVS");
        // The up arrow raises the number by one, the trough by one too.
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(pressure->text(), QStringLiteral("1014"));
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(pressure->text(), QStringLiteral("1012"));
        bar->triggerAction(QAbstractSlider::SliderToMinimum);  // the top end
        QCOMPARE(pressure->text(), QStringLiteral("1100"));
        QCOMPARE(TypeInto("Kiatu", "96"), QStringLiteral("996"));
        QCOMPARE(pressure->scrollValue(), 996);

        auto* forceBar = Find<QScrollBar>(land_.get(), "HuuryokuVS");
        forceBar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(Field("Huuryoku")->text(), QStringLiteral("12"));
        auto* temperatureBar = Find<QScrollBar>(land_.get(), "OndoVS");
        temperatureBar->triggerAction(QAbstractSlider::SliderToMaximum);  // the bottom end
        QCOMPARE(Field("Ondo")->text(), QStringLiteral("-40"));
    }

    // Return in a field is not a button press: no row is written, the field
    // is neither committed nor left.
    void returnInAFieldDoesNothing() {
        NumericEntryField* pressure = Field("Kiatu");
        EnterByTab(pressure);
        QTest::keyClicks(pressure, "8");
        QTest::keyClick(pressure, Qt::Key_Return);
        QVERIFY(pressure->hasFocus());
        QCOMPARE(pressure->text(), QStringLiteral("8"));
        QCOMPARE(land_->RowText(0), QStringLiteral("石垣島"));
        QCOMPARE(state_->observations.land(0).pressure, 0);
    }

    // Switching to another window and back is not leaving the field.
    void windowSwitchNeitherEmptiesNorCommits() {
        NumericEntryField* pressure = Field("Kiatu");
        EnterByTab(pressure);
        QTest::keyClicks(pressure, "9");
        QWidget map;
        map.resize(100, 100);
        ShowActive(&map);
        QTRY_VERIFY(!land_->isActiveWindow());
        QCOMPARE(pressure->text(), QStringLiteral("9"));
        ShowActive(land_.get());
        QTRY_VERIFY(pressure->hasFocus());
        QCOMPARE(pressure->text(), QStringLiteral("9"));
        QTest::keyClicks(pressure, "6");
        QTest::keyClick(pressure, Qt::Key_Tab);
        QCOMPARE(pressure->text(), QStringLiteral("996"));
    }

    void fieldsKeepTheirOwnTextApartFromTheMouseMode() {
        state_->mouseMode = MouseMode::Raise;
        QCOMPARE(TypeInto("Kiatu", "8"), QStringLiteral("1008"));
        QCOMPARE(state_->mouseMode, MouseMode::Raise);
    }

    // The ship window's first field gets the window's first focus, which
    // enters it: emptied, so the typist's "30" is not appended to "34".
    void firstFocusOfAWindowEntersItsFirstField() {
        Kaiyou1 ship(*state_, *prompts_);
        ShowActive(&ship);
        auto* latitude = Find<NumericEntryField>(&ship, "Hokui");
        QTRY_VERIFY(latitude->hasFocus());
        QCOMPARE(latitude->text(), QString());
        QCOMPARE(latitude->rememberedText(), QStringLiteral("34"));
        Type("30");
        Tab();
        QCOMPARE(latitude->text(), QStringLiteral("30"));
        auto* longitude = Find<NumericEntryField>(&ship, "Toukei");
        QVERIFY(longitude->hasFocus());
        Type("170");
        Tab();
        QCOMPARE(longitude->text(), QStringLiteral("160"));
        BackTab();
        BackTab();
        Type("5");
        Tab();
        QCOMPARE(latitude->text(), QStringLiteral("15"));
        BackTab();
        Type("70");
        Tab();
        QCOMPARE(latitude->text(), QStringLiteral("60"));
    }
};

QTEST_MAIN(NumericEntryFieldTest)
#include "NumericEntryFieldTest.moc"
