// The isobar spacing dialog, the correction window and its clicks on the map,
// undo and redo, and the commands that replace the grid, as the user meets
// them through the menu, the buttons, the keys and the map.
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CanvasView.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/Teisei.h"
#include "isobar/CentreLetters.h"
#include "isobar/GridCorrection.h"
#include "support/MainWindowFixture.h"
#include "support/TypistKit.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;
using Kind = test::ScriptedPrompts::Shown::Kind;

namespace {

const QString kPromptAt2 = QStringLiteral("等圧線は2hPaごとに描いています。\r\n何hPaごとにしますか？\r\n（0.5から10）");
constexpr Colour kYellow = MakeColour(255, 255, 0);
constexpr Colour kWhite = MakeColour(255, 255, 255);
// Off the map square: only a full redraw clears it.
constexpr int kMarkX = 500, kMarkY = 20;

}  // namespace

class CorrectionWindowTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() {
        CreateWindow();
        FillSlantingField();
    }
    void cleanup() { DestroyWindow(); }

    void intervalAnswers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<float>("interval");
        QTest::addColumn<float>("half");
        QTest::newRow("4") << "4" << true << 400.0f << 200.0f;
        QTest::newRow("0.5") << "0.5" << true << 50.0f << 25.0f;
        QTest::newRow("10") << "10" << true << 1000.0f << 500.0f;
        QTest::newRow("3abc") << "3abc" << true << 300.0f << 150.0f;
        QTest::newRow("full-width") << "４．５" << true << 450.0f << 225.0f;
        QTest::newRow("2.1 exactly") << "2.1" << true << 210.0f << 105.0f;
        QTest::newRow("0.4") << "0.4" << false << 200.0f << 100.0f;
        QTest::newRow("10.5") << "10.5" << false << 200.0f << 100.0f;
        QTest::newRow("0") << "0" << false << 200.0f << 100.0f;
        QTest::newRow("letters") << "abc" << false << 200.0f << 100.0f;
    }
    void intervalAnswers() {
        QFETCH(QString, answer);
        QFETCH(bool, accepted);
        QFETCH(float, interval);
        QFETCH(float, half);
        window_->canvas().DrawBox(kMarkX, kMarkY, kMarkX + 3, kMarkY + 3, kYellow);
        prompts_->inputAnswers = {answer};
        window_->menuAction("cntTKankaku")->trigger();

        QCOMPARE(prompts_->shown[0].title, QStringLiteral("等圧線の間隔（かんかく）の変更"));
        QCOMPARE(prompts_->shown[0].text, kPromptAt2);
        QCOMPARE(prompts_->inputDefaults[0], QStringLiteral("2"));
        QCOMPARE(state_->field.grid.isobarInterval, interval);
        QCOMPARE(state_->field.grid.isobarHalfInterval, half);
        // A new spacing redraws map and isobars; a refused one draws nothing.
        QCOMPARE(window_->canvas().ReadPixel(kMarkX, kMarkY) == kYellow, !accepted);
        QCOMPARE(window_->canvas().ReadPixel(299, 99) == MakeColour(0, 0, 255), accepted);
        if (accepted) {
            QCOMPARE(prompts_->shown.size(), size_t(1));
        } else {
            QCOMPARE(prompts_->shown.size(), size_t(2));
            QCOMPARE(prompts_->shown[1].title, QStringLiteral("注意"));
            QCOMPARE(prompts_->shown[1].text, QStringLiteral("正しい入力をしてください！"));
        }
    }

    void emptyOrCancelChangesNothingAndTheNextPromptNamesTheSpacing() {
        window_->canvas().DrawBox(kMarkX, kMarkY, kMarkX + 3, kMarkY + 3, kYellow);
        prompts_->inputAnswers = {QString(), std::nullopt, QStringLiteral("0.5"), std::nullopt};
        for (int i = 0; i < 2; ++i) window_->menuAction("cntTKankaku")->trigger();
        QCOMPARE(window_->canvas().ReadPixel(kMarkX, kMarkY), kYellow);  // not redrawn
        for (int i = 0; i < 2; ++i) window_->menuAction("cntTKankaku")->trigger();
        QCOMPARE(prompts_->shown.size(), size_t(4));
        QCOMPARE(prompts_->shown[2].text, kPromptAt2);  // nothing changed by the first two
        QCOMPARE(prompts_->shown[3].text,
                 QStringLiteral("等圧線は0.5hPaごとに描いています。\r\n何hPaごとにしますか？\r\n（0.5から10）"));
        QCOMPARE(prompts_->inputDefaults.back(), QStringLiteral("2"));
    }

    void theWindowOpensInReadModeAndItsSpacingButtonIsTheDialog() {
        Teisei* teisei = Open();
        QCOMPARE(state_->mouseMode, MouseMode::Inspect);
        QCOMPARE(teisei->text(), QStringLiteral("ボタンをクリック\nして下さい。\n"));
        prompts_->inputAnswers = {QStringLiteral("5")};
        Button("cmdKankaku")->click();
        QCOMPARE(prompts_->shown.back().text, kPromptAt2);
        QCOMPARE(state_->field.grid.isobarInterval, 500.0f);
    }

    // Every mode button with every mouse button, through the main window's
    // dispatch as the map reports a press.
    void clicksByModeAndButton_data() {
        QTest::addColumn<QString>("modeButton");
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<int>("delta");
        QTest::newRow("read, left") << "cmdKiatu" << int(Qt::LeftButton) << 0;
        QTest::newRow("read, right") << "cmdKiatu" << int(Qt::RightButton) << 0;
        QTest::newRow("raise, left") << "cmdPlus" << int(Qt::LeftButton) << 200;
        QTest::newRow("raise, right") << "cmdPlus" << int(Qt::RightButton) << 50;
        QTest::newRow("raise, middle") << "cmdPlus" << int(Qt::MiddleButton) << 50;
        QTest::newRow("lower, left") << "cmdMinus" << int(Qt::LeftButton) << -200;
        QTest::newRow("lower, right") << "cmdMinus" << int(Qt::RightButton) << -50;
    }
    void clicksByModeAndButton() {
        QFETCH(QString, modeButton);
        QFETCH(int, mouseButton);
        QFETCH(int, delta);
        Teisei* teisei = Open();
        Button(modeButton)->click();
        const PressureGrid before = state_->field.pressureGrid;
        // (8, 8) is node (1, 1); (7.9, 8) is node (0, 1).
        for (const auto& [x, ix] : {std::pair{8.0f, 1}, std::pair{7.9f, 0}}) {
            window_->OnCanvasMouseDown(Qt::MouseButton(mouseButton), Qt::NoModifier, x, 8);
            QCOMPARE(state_->field.pressureGrid.at(ix, 1), before.at(ix, 1) + delta);
            QCOMPARE(teisei->text(), QString::fromStdString(PressureText(before.at(ix, 1) + delta, 100)));
        }
        QCOMPARE(state_->field.pressureGrid.at(1, 2), before.at(1, 2));
        QCOMPARE(state_->correctionHistory.UndoCount(), size_t(delta ? 2 : 0));

        // Off the map: nothing at all, not even the reading.
        const QString shown = teisei->text();
        const QImage image = window_->canvas().Composite();
        const PressureGrid now = state_->field.pressureGrid;
        for (const auto& [x, y] : {std::pair{401.0f, 8.0f}, std::pair{8.0f, 400.5f}, std::pair{-1.0f, 8.0f}})
            window_->OnCanvasMouseDown(Qt::MouseButton(mouseButton), Qt::NoModifier, x, y);
        QCOMPARE(teisei->text(), shown);
        QVERIFY(state_->field.pressureGrid == now);
        QCOMPARE(window_->canvas().Composite(), image);
    }

    // The cells around a raised node become white boxes holding only the new
    // isobars, on a coloured background too; a border node changes unseen.
    void aRaiseLeavesWhiteBoxesAndABorderNodeRedrawsNothing() {
        window_->canvas().SetBackgroundColour(kYellow);
        Open();
        Button("cmdPlus")->click();
        window_->OnCanvasMouseDown(Qt::LeftButton, Qt::NoModifier, 80, 80);  // node (5, 5)
        const QImageCanvas& canvas = window_->canvas();
        const Colour isobars = state_->colours.ColorOf(kIsobarColour);
        int white = 0;
        for (int y = 64; y <= 96; ++y)
            for (int x = 64; x <= 96; ++x) {
                const Colour c = canvas.ReadPixel(x, y);
                QVERIFY2(c == kWhite || c == isobars, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                white += c == kWhite;
            }
        QVERIFY(white > 900);
        QCOMPARE(canvas.ReadPixel(63, 70), kYellow);
        QCOMPARE(canvas.ReadPixel(97, 70), kYellow);

        const QImage image = canvas.Composite();
        const std::int32_t border = state_->field.pressureGrid.at(25, 5);
        window_->OnCanvasMouseDown(Qt::LeftButton, Qt::NoModifier, 400, 80);
        QCOMPARE(state_->field.pressureGrid.at(25, 5), border + 200);
        QCOMPARE(canvas.Composite(), image);
    }

    void returnAndTheCloseBoxEndOnlyTheCorrection() {
        Teisei* teisei = Open();
        Button("cmdPlus")->click();
        Button("cmdEnd")->click();
        QVERIFY(!teisei->isVisible());
        QCOMPARE(state_->mouseMode, MouseMode::None);
        const PressureGrid before = state_->field.pressureGrid;
        window_->OnCanvasMouseDown(Qt::LeftButton, Qt::NoModifier, 80, 80);
        QVERIFY(state_->field.pressureGrid == before);

        Open();
        QCOMPARE(state_->mouseMode, MouseMode::Inspect);
        Button("cmdMinus")->click();
        teisei->close();
        QCOMPARE(state_->mouseMode, MouseMode::None);

        // A cross-section mode chosen meanwhile is not the correction's to end.
        Open();
        state_->mouseMode = MouseMode::NorthSouth;
        teisei->close();
        QCOMPARE(state_->mouseMode, MouseMode::NorthSouth);
    }

    // Raise, raise, smooth; undo all three with the button, the window's keys
    // and the map's keys; redo them; the buttons follow.
    void undoAndRedoAcrossASmoothing() {
        Teisei* teisei = Open();
        QVERIFY(!Button("cmdUndo")->isEnabled());
        QVERIFY(!Button("cmdRedo")->isEnabled());
        std::vector<PressureGrid> states{state_->field.pressureGrid};
        Button("cmdPlus")->click();
        window_->OnCanvasMouseDown(Qt::LeftButton, Qt::NoModifier, 80, 80);
        states.push_back(state_->field.pressureGrid);
        window_->OnCanvasMouseDown(Qt::RightButton, Qt::NoModifier, 160, 96);
        states.push_back(state_->field.pressureGrid);
        // A peak the smoothing flattens.
        Button("cmdHeikin")->click();
        QCOMPARE(teisei->text(), QString());
        states.push_back(state_->field.pressureGrid);
        QVERIFY(!(states[3] == states[2]));
        QVERIFY(Button("cmdUndo")->isEnabled());

        window_->canvas().DrawBox(kMarkX, kMarkY, kMarkX + 3, kMarkY + 3, kYellow);
        Button("cmdUndo")->click();
        QVERIFY(state_->field.pressureGrid == states[2]);
        QVERIFY(window_->canvas().ReadPixel(kMarkX, kMarkY) != kYellow);  // the whole map redrawn
        QVERIFY(Button("cmdRedo")->isEnabled());

        teisei->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(teisei));
        window_->canvas().DrawBox(kMarkX, kMarkY, kMarkX + 3, kMarkY + 3, kYellow);
        QTest::keyClick(teisei, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state_->field.pressureGrid == states[1]);
        QCOMPARE(window_->canvas().ReadPixel(kMarkX, kMarkY), kYellow);  // only the cells around the node
        QCOMPARE(teisei->text(), QString::fromStdString(PressureText(states[1].at(10, 6), 100)));

        typist::ShowActive(window_.get());
        QTest::keyClick(window_->canvasView(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state_->field.pressureGrid == states[0]);
        QVERIFY(!Button("cmdUndo")->isEnabled());
        QTest::keyClick(window_->canvasView(), Qt::Key_Z, Qt::ControlModifier);  // nothing left
        QVERIFY(state_->field.pressureGrid == states[0]);

        QTest::keyClick(window_->canvasView(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(state_->field.pressureGrid == states[1]);
        Button("cmdRedo")->click();
        Button("cmdRedo")->click();
        QVERIFY(state_->field.pressureGrid == states[3]);
        QVERIFY(!Button("cmdRedo")->isEnabled());

        // Closed, the window takes the map's keys with it.
        teisei->close();
        QTest::keyClick(window_->canvasView(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state_->field.pressureGrid == states[3]);
    }

    // The corrected field saved from the window comes back from the file;
    // everything that replaces or resets the grid forgets the corrections.
    void gridReplacementsClearTheHistory() {
        QTemporaryDir dir;
        Open();
        Button("cmdMinus")->click();
        window_->OnCanvasMouseDown(Qt::LeftButton, Qt::NoModifier, 200, 200);
        const PressureGrid corrected = state_->field.pressureGrid;
        prompts_->fileAnswers = {dir.filePath(QStringLiteral("fixed"))};
        Button("cmdSave")->click();
        QCOMPARE(prompts_->fileRequests.back().title, QStringLiteral("等圧線データ保存"));
        const QString cnt = dir.filePath(QStringLiteral("fixed.CNT"));
        QVERIFY(!window_->pleaseWait());

        const std::vector<std::pair<const char*, std::function<void()>>> commands = {
            {"isobar file",
             [&] {
                 QVERIFY(window_->commands().files.OpenIsobarFile(cnt));
                 QVERIFY(state_->field.pressureGrid == corrected);
             }},
            {"observation file",
             [&] { QVERIFY(window_->commands().files.OpenObservationFile(ISOBRA_EXAMPLES "/winter.dat")); }},
            {"construction",
             [&] {
                 window_->menuAction("cntTenki")->trigger();  // the grid is to be built again
                 window_->menuAction("cntTouatu2")->trigger();
                 QVERIFY(state_->field.pressureGrid.IsComputed());
             }},
            {"erase all", [&] { window_->menuAction("cntNew2")->trigger(); }},
        };
        for (const auto& [name, command] : commands) {
            window_->OnCanvasMouseDown(Qt::LeftButton, Qt::NoModifier, 80, 80);
            window_->OnCanvasMouseDown(Qt::LeftButton, Qt::NoModifier, 96, 80);
            Button("cmdUndo")->click();
            QVERIFY2(state_->correctionHistory.CanUndo() && state_->correctionHistory.CanRedo(), name);
            command();
            QVERIFY2(!state_->correctionHistory.CanUndo() && !state_->correctionHistory.CanRedo(), name);
            QVERIFY2(!Button("cmdUndo")->isEnabled() && !Button("cmdRedo")->isEnabled(), name);
            if (!state_->field.pressureGrid.IsComputed()) window_->menuAction("cntTouatu2")->trigger();
        }
    }

    // The pressure read last is of the old grid: a load, a drop or a show
    // that replaces the grid empties the window's text, with nothing to undo
    // as well (every replacement forgets the corrections, GridReplacementTest).
    void aReplacedGridTakesThePressureReadWithIt() {
        const QString cnt = QStringLiteral(ISOBRA_TEST_DATA "/winter-isobars.cnt");
        const std::vector<std::pair<const char*, std::function<void()>>> commands = {
            {"isobar file", [&] { QVERIFY(window_->commands().files.OpenIsobarFile(cnt)); }},
            {"dropped file", [&] { window_->commands().givenFiles.Open({cnt}); }},
            {"show", [&] { QVERIFY(window_->commands().display.ShowIsobarStep(cnt)); }},
        };
        Teisei* teisei = Open();
        for (const auto& [name, command] : commands) {
            window_->OnCanvasMouseDown(Qt::LeftButton, Qt::NoModifier, 80, 80);  // read mode
            QVERIFY2(!teisei->text().isEmpty() && !state_->correctionHistory.CanUndo(), name);
            command();
            QVERIFY2(teisei->text().isEmpty(), name);
        }
    }

private:
    Teisei* Open() {
        window_->menuAction("cntSyusei")->trigger();
        Teisei* teisei = window_->commands().isobars.correctionWindow();
        if (teisei && !QTest::qWaitForWindowExposed(teisei)) qWarning("the correction window was not shown");
        return teisei;
    }
    QPushButton* Button(const QString& name) {
        auto* button = window_->commands().isobars.correctionWindow()->findChild<QPushButton*>(name);
        if (!button) qFatal("no button %s", qPrintable(name));
        return button;
    }
};

QTEST_MAIN(CorrectionWindowTest)
#include "CorrectionWindowTest.moc"
