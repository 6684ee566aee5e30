// Clicks on the map view mean the same canvas pixel at every scale.
#include <QPushButton>
#include <QtTest>

#include "app/CanvasView.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/Teisei.h"
#include "canvas/MapCanvas.h"
#include "support/MainWindowFixture.h"
#include "support/TypistKit.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;

namespace {

// The first and the last view pixel inside canvas pixel p at scale s.
int FirstInside(int p, double s) { return static_cast<int>(std::ceil(p * s)); }
int LastInside(int p, double s) { return static_cast<int>(std::ceil((p + 1) * s)) - 1; }

}  // namespace

class ViewScaleTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() {
        CreateWindow();
        typist::ShowActive(window_.get());
    }
    void cleanup() { DestroyWindow(); }

    // The same canvas pixel at 100, 150 and 200 %, clicked at either edge of
    // its block: the correction changes the same node, the cross-section
    // draws the same chart. Pixel 8 belongs to node 1, pixel 7 to node 0.
    void clicksMeanTheSamePixelAtEveryScale() {
        FillSlantingField();
        window_->menuAction("cntSyusei")->trigger();
        window_->commands().isobars.correctionWindow()->findChild<QPushButton*>(QStringLiteral("cmdPlus"))->click();
        CanvasView* view = window_->canvasView();
        for (double s : {1.0, 1.5, 2.0}) {
            window_->menuAction(QStringLiteral("cntOokisa%1").arg(int(s * 100)))->trigger();
            for (const auto& [pixel, node] : {std::pair{8, 1}, std::pair{7, 0}}) {
                for (int at : {FirstInside(pixel, s), LastInside(pixel, s)}) {
                    const std::int32_t before = state_->field.pressureGrid.at(node, 1);
                    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(at, FirstInside(8, s)));
                    QVERIFY2(state_->field.pressureGrid.at(node, 1) == before + 200, qPrintable(QString::number(s)));
                }
            }
        }
        auto picture = std::make_shared<RgbImage>(kMapSize, kMapSize, MakeColour(0, 0, 0));
        for (int x = kMapSize / 2; x < kMapSize; ++x)
            for (int y = 0; y < kMapSize; ++y) picture->Set(x, y, MakeColour(255, 255, 255));
        window_->canvas().SetBackgroundPicture(picture);
        window_->menuAction("cntDanmen")->trigger();  // east-west through the row clicked
        QImage chart;
        for (double s : {1.0, 1.5, 2.0}) {
            window_->menuAction(QStringLiteral("cntOokisa%1").arg(int(s * 100)))->trigger();
            window_->menuAction("cntClsLine")->trigger();
            QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(FirstInside(150, s), LastInside(100, s)));
            if (chart.isNull()) chart = window_->canvas().Composite();
            QVERIFY2(window_->canvas().Composite() == chart, qPrintable(QString::number(s)));
        }
    }

    // Fitted smaller than the canvas, every screen pixel is the average of
    // the canvas pixels it covers: rows of one-pixel lines turn grey rather
    // than some vanishing. At 100 % and above each canvas pixel stays a
    // sharp block.
    void belowFullSizeTheMapIsAveraged() {
        for (int y = 0; y < kMapSize; y += 2) window_->canvas().DrawLine(0, y, kMapSize - 1, y, MakeColour(0, 0, 0));
        CanvasView* view = window_->canvasView();
        window_->menuAction("cntOokisaAwaseru")->trigger();
        window_->resize(300, 260);
        QTRY_VERIFY(view->scale() < 0.7);
        const double s = view->scale();
        QImage shown = view->grab().toImage();
        for (int x = 50; x < kMapSize; x += 70)
            for (int y = 50; y < kMapSize; y += 70) {
                const int grey = qRed(shown.pixel(int(x * s), int(y * s)));
                QVERIFY2(grey > 60 && grey < 195, qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(grey)));
            }
        for (const char* item : {"cntOokisa100", "cntOokisa200"}) {
            window_->menuAction(item)->trigger();
            shown = view->grab(QRect(0, 0, 300, 300)).toImage();
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const int red = qRed(shown.pixel(x, y));
                    if (red != 0 && red != 255)
                        QFAIL(qPrintable(QStringLiteral("%1 at %2,%3").arg(item).arg(x).arg(y)));
                }
        }
    }

    void aClickBesideTheFittedMapDoesNothing() {
        int clicks = 0;
        window_->commands().clicks.SetCorrectionHandler(
            [&](Qt::MouseButton, Qt::KeyboardModifiers, float, float) { ++clicks; });
        state_->mouseMode = MouseMode::Inspect;
        window_->menuAction("cntOokisaAwaseru")->trigger();
        window_->resize(790, 400);
        QTRY_VERIFY(window_->canvasView()->ImageRect().width() < window_->canvasView()->width() - 10);
        QTest::mouseClick(window_->canvasView(), Qt::LeftButton, {}, QPoint(window_->canvasView()->width() - 2, 5));
        QTest::mouseClick(window_->canvasView(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(ViewScaleTest)
#include "ViewScaleTest.moc"
