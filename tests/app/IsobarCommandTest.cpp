#include <QtTest>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "canvas/MapCanvas.h"
#include "canvas/RgbImage.h"
#include "entry/Kaiyou1.h"
#include "state/IsobarLayer.h"
#include "support/DrawnPixels.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;
using test::DrawnPixels;

class IsobarCommandTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindow(); }
    void cleanup() { DestroyWindow(); }

    void noPressureIsRefused() {
        window_->menuAction("cntTouatu2")->trigger();
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].title, QStringLiteral("注　意"));
        QCOMPARE(prompts_->shown[0].text, QStringLiteral("気圧が入力されていません"));
        QVERIFY(!state_->field.pressureGrid.IsComputed());
        QCOMPARE(DrawnPixels(window_->canvas().DrawingLayer()), 0);
    }

    void fewPressuresAskFirst() {
        // Ship pressures do not count towards the twenty.
        for (int i = 0; i < 19; ++i) state_->observations.land(i).pressure = 1000 + i;
        state_->observations.ship(0) = {30, 135, 0, 0, 0, 1010};
        prompts_->yesNoAnswers = {false};
        window_->menuAction("cntTouatu2")->trigger();
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].kind, test::ScriptedPrompts::Shown::Kind::YesNo);
        QCOMPARE(prompts_->shown[0].text, QStringLiteral("データの数が少ないですが\r\n等圧線を描きますか"));
        QVERIFY(!state_->field.pressureGrid.IsComputed());

        prompts_->shown.clear();
        prompts_->yesNoAnswers = {true};
        window_->menuAction("cntTouatu2")->trigger();
        QVERIFY(state_->field.pressureGrid.IsComputed());
        QVERIFY(DrawnPixels(window_->canvas().DrawingLayer()) > 0);
        QVERIFY(!window_->pleaseWait());
    }

    void aComputedGridIsOnlyRedrawn() {
        for (int i = 0; i < 54; ++i) state_->observations.land(i).pressure = 1000 + (i % 7);
        window_->menuAction("cntTouatu2")->trigger();
        QVERIFY(prompts_->shown.empty() || prompts_->shown[0].kind == test::ScriptedPrompts::Shown::Kind::Inform);
        QVERIFY(state_->field.pressureGrid.IsComputed());
        const PressureGrid grid = state_->field.pressureGrid;
        // Changing an observation without reopening a form does not rebuild.
        state_->observations.land(20).pressure = 1040;
        window_->menuAction("cntClsLine")->trigger();
        window_->menuAction("cntTouatu2")->trigger();
        QVERIFY(state_->field.pressureGrid == grid);
        QVERIFY(DrawnPixels(window_->canvas().DrawingLayer()) > 0);
        // Opening an entry form marks the grid as not computed.
        window_->menuAction("cntTenki")->trigger();
        QVERIFY(!state_->field.pressureGrid.IsComputed());
        window_->menuAction("cntTouatu2")->trigger();
        QVERIFY(!(state_->field.pressureGrid == grid));
    }

    void shipCountsComeFromTheListAndThePlotTableRemembersThem() {
        for (int i = 0; i < 54; ++i) state_->observations.land(i).pressure = 1010;
        window_->menuAction("cntTouatu2")->trigger();
        QCOMPARE(state_->observations.shipCount(), window_->commands().entry.shipForm()->RowCount());
        QCOMPARE(state_->field.plotTable.shipCount, 0);
        QCOMPARE(state_->field.plotTable.stationCount, 54);
    }

    void theSurfaceNeedsAComputedGrid() {
        auto picture = std::make_shared<RgbImage>(kMapSize, kMapSize, MakeColour(0, 128, 0));
        window_->canvas().SetBackgroundPicture(picture);
        window_->menuAction("cntRittai")->trigger();
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].title, QStringLiteral("注　意"));
        QCOMPARE(prompts_->shown[0].text,
                 QStringLiteral("「天気図」の「等圧線」で計算してから\r\n「立体表示」を選んでください。"));
        QCOMPARE(window_->canvas().BackgroundPicture(), std::shared_ptr<const RgbImage>(picture));
        QCOMPARE(DrawnPixels(window_->canvas().DrawingLayer()), 0);
    }

    // The view goes over what is drawn, beyond the map square, and takes the
    // satellite picture away.
    void theSurfaceIsDrawnOverTheMap() {
        state_->field.pressureGrid.Fill(101300);
        window_->canvas().SetBackgroundPicture(std::make_shared<RgbImage>(kMapSize, kMapSize, MakeColour(0, 128, 0)));
        window_->menuAction("cntTizu")->trigger();
        const int map = DrawnPixels(window_->canvas().DrawingLayer());
        window_->menuAction("cntRittai")->trigger();
        QVERIFY(prompts_->shown.empty());
        QVERIFY(!window_->canvas().BackgroundPicture());
        QVERIFY(!window_->pleaseWait());
        QVERIFY(DrawnPixels(window_->canvas().DrawingLayer()) > map);
        const Colour blue = MakeColour(0, 0, 255);
        QCOMPARE(window_->canvas().ReadPixel(299, 99), blue);  // the map stays
        // The far corner of the base frame, beyond the map square.
        QVERIFY(window_->canvas().ReadPixel(575, 72) == blue || window_->canvas().ReadPixel(575, 73) == blue);
    }

    // The check item only changes what the next full drawing does.
    void theValuesItemLabelsTheNextIsobarDrawing() {
        QVERIFY(window_->commands().files.OpenObservationFile(test::kExample));
        QAction* item = window_->menuAction("cntSuuti");
        QVERIFY(item->isCheckable());
        QVERIFY(!item->isChecked());
        window_->menuAction("cntTouatu2")->trigger();
        const QImage plain = window_->canvas().DrawingLayer();

        item->trigger();
        QVERIFY(state_->labelIsobars);
        QCOMPARE(window_->canvas().DrawingLayer(), plain);
        window_->menuAction("cntClsLine")->trigger();
        window_->menuAction("cntTouatu2")->trigger();
        QImageCanvas labelled;
        DrawIsobarLayer(labelled, *state_);
        QCOMPARE(window_->canvas().DrawingLayer(), labelled.DrawingLayer());
        QVERIFY(labelled.DrawingLayer() != plain);

        item->trigger();
        QVERIFY(!state_->labelIsobars);
    }
};

QTEST_MAIN(IsobarCommandTest)
#include "IsobarCommandTest.moc"
