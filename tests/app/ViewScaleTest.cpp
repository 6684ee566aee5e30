// The map view at 100 to 300 % and fitted to the window: the keys and the
// menu, the window's size, sharp pixels, and clicks that mean the same
// canvas pixel at every scale.
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "app/CanvasView.h"
#include "app/MainWindow.h"
#include "app/Teisei.h"
#include "support/MainWindowFixture.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;

namespace {

// A point of the view inside canvas pixel p at scale s: its first view pixel
// or its last.
int FirstInside(int p, double s) { return static_cast<int>(std::ceil(p * s)); }
int LastInside(int p, double s) { return static_cast<int>(std::ceil((p + 1) * s)) - 1; }

}  // namespace

class ViewScaleTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() {
        CreateWindow();
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { DestroyWindow(); }

    void theKeysStepThroughTheScales() {
        CanvasView* view = window_->canvasView();
        const std::vector<std::pair<QKeyCombination, double>> presses = {
            {Qt::CTRL | Qt::Key_Minus, 1.0},  // nothing below 100 %
            {Qt::CTRL | Qt::Key_Plus, 1.5},
            {Qt::CTRL | Qt::Key_Equal, 2.0},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_Plus, 3.0},  // the plus typed with Shift
            {Qt::CTRL | Qt::Key_Plus, 3.0},              // nothing above 300 %
            {Qt::CTRL | Qt::Key_Minus, 2.0},
            {Qt::CTRL | Qt::Key_0, 1.0},
        };
        for (const auto& [key, scale] : presses) {
            QTest::keyClick(window_.get(), key.key(), key.keyboardModifiers());
            QCOMPARE(view->scale(), scale);
            QCOMPARE(view->size(), QSize(std::ceil(635 * scale), std::ceil(425 * scale)));
        }
        QVERIFY(window_->menuAction("cntOokisa100")->isChecked());
        window_->menuAction("cntOokisa200")->trigger();
        QVERIFY(window_->menuAction("cntOokisa200")->isChecked() && !window_->menuAction("cntOokisa100")->isChecked());
        QCOMPARE(view->scale(), 2.0);

        // From a fitted view the step goes from the scale it shows.
        window_->menuAction("cntOokisaAwaseru")->trigger();
        window_->resize(700, 420);
        QTRY_VERIFY(view->scale() < 1.0);
        QTest::keyClick(window_.get(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(view->scale(), 1.0);
        QVERIFY(!view->fitting());
    }

    // A step makes the window as large as the scaled canvas where the
    // screen allows; scroll bars show the rest.
    void aStepSizesTheWindowWithinTheScreen() {
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        const QSize room = window_->screen()->availableGeometry().size() - frame;
        auto* workspace = window_->findChild<QScrollArea*>(QStringLiteral("workspace"));
        for (double scale : {3.0, 1.5, 1.0}) {
            window_->SetViewScale(scale);
            const QSize needed = QSize(std::ceil(635 * scale), std::ceil(425 * scale)).expandedTo(QSize(635, 440));
            QTRY_COMPARE(window_->centralWidget()->width(), std::min(needed.width(), room.width()));
            QVERIFY(window_->geometry().width() <= room.width());
            QVERIFY(window_->geometry().height() <= room.height());
            const bool tooWide = needed.width() > room.width();
            QTRY_COMPARE(workspace->horizontalScrollBar()->isVisible(), tooWide);
        }
        QTRY_COMPARE(window_->centralWidget()->size(), QSize(635, 440));  // back at the start's size
    }

    void fittingKeepsTheProportionsAndIgnoresClicksBesideTheMap() {
        QList<QPointF> clicks;
        window_->SetCorrectionHandler(
            [&](Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) { clicks << QPointF(x, y); });
        state_->mouseMode = MouseMode::Inspect;
        window_->menuAction("cntOokisaAwaseru")->trigger();
        CanvasView* view = window_->canvasView();
        for (const QSize size : {QSize(700, 300), QSize(300, 500)}) {
            window_->resize(size);
            QTRY_COMPARE(view->size(), window_->centralWidget()->size());
            const QRectF image = view->ImageRect();
            QVERIFY(qAbs(image.width() / image.height() - 635.0 / 425.0) < 1e-9);
            QVERIFY(image.width() <= view->width() && image.height() <= view->height());
            QVERIFY(qAbs(image.width() - view->width()) < 1e-9 || qAbs(image.height() - view->height()) < 1e-9);
            // Beside the image (right or below): nothing.
            const QPoint beside =
                image.width() < view->width() - 2 ? QPoint(view->width() - 1, 5) : QPoint(5, view->height() - 1);
            QTest::mouseClick(view, Qt::LeftButton, {}, beside);
            QCOMPARE(clicks.size(), 0);
        }
        // On it: the canvas pixel under the click.
        window_->resize(790, 560);
        QTRY_COMPARE(view->size(), window_->centralWidget()->size());
        const double s = view->scale();
        QVERIFY(s > 1.0);
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(LastInside(100, s), FirstInside(200, s)));
        QCOMPARE(clicks, (QList<QPointF>{{100, 200}}));
    }

    // The same canvas pixel at 100, 150 and 200 %, clicked at either edge of
    // its block: the correction changes the same node, the cross-section
    // draws the same chart.
    void clicksMeanTheSamePixelAtEveryScale() {
        for (int iy = 0; iy <= 25; ++iy)
            for (int ix = 0; ix <= 25; ++ix) state_->field.pressureGrid.at(ix, iy) = 100000 + 37 * ix + 23 * iy;
        window_->menuAction("cntSyusei")->trigger();
        window_->correctionWindow()->findChild<QPushButton*>(QStringLiteral("cmdPlus"))->click();
        CanvasView* view = window_->canvasView();
        // Canvas pixel 8 belongs to node 1, pixel 7 to node 0.
        for (double s : {1.0, 1.5, 2.0}) {
            window_->SetViewScale(s);
            for (const auto& [pixel, node] : {std::pair{8, 1}, std::pair{7, 0}}) {
                for (int at : {FirstInside(pixel, s), LastInside(pixel, s)}) {
                    const PressureGrid before = state_->field.pressureGrid;
                    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(at, FirstInside(8, s)));
                    QVERIFY2(state_->field.pressureGrid.at(node, 1) == before.at(node, 1) + 200,
                             qPrintable(QStringLiteral("scale %1, view x %2").arg(s).arg(at)));
                }
            }
        }

        // The cross-section through canvas row 100 over a picture with a
        // brightness step at column 200.
        auto picture = std::make_shared<RgbImage>(400, 400, MakeColour(0, 0, 0));
        for (int y = 0; y < 400; ++y)
            for (int x = 200; x < 400; ++x) picture->Set(x, y, MakeColour(255, 255, 255));
        window_->canvas().SetBackgroundPicture(picture);
        window_->menuAction("cntDanmen")->trigger();
        QVERIFY(state_->mouseMode == MouseMode::EastWest);
        std::optional<QImage> chart;
        for (double s : {1.0, 1.5, 2.0}) {
            window_->SetViewScale(s);
            window_->ClearMap();
            QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(FirstInside(150, s), LastInside(100, s)));
            const QImage now = window_->canvas().Composite();
            if (!chart) chart = now;
            QVERIFY2(now == *chart, qPrintable(QStringLiteral("scale %1").arg(s)));
        }
    }

    // On a screen of device pixel ratio 2 (and at any scale) every canvas
    // pixel is a solid block: nothing blended with its neighbours.
    void pixelsStaySharpBlocks() {
        window_->canvas().DrawLine(100, 50, 300, 50, MakeColour(0, 0, 255));
        for (const auto& [scale, ratio] : {std::pair{1.0, 2.0}, std::pair{2.0, 1.0}, std::pair{1.5, 2.0}}) {
            window_->SetViewScale(scale);
            CanvasView* view = window_->canvasView();
            QImage shot(view->size() * ratio, QImage::Format_RGB32);
            shot.setDevicePixelRatio(ratio);
            view->render(&shot);
            const double k = scale * ratio;  // device pixels per canvas pixel
            QSet<QRgb> colours;
            int blue = 0;
            for (int y = 0; y < static_cast<int>(425 * k); ++y) {
                colours << shot.pixel(static_cast<int>(200 * k), y);
                blue += shot.pixel(static_cast<int>(200 * k), y) == qRgb(0, 0, 255);
            }
            QCOMPARE(colours, (QSet<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 255)}));
            QCOMPARE(blue, static_cast<int>(std::floor(51 * k)) - static_cast<int>(std::floor(50 * k)));
        }
    }
};

QTEST_MAIN(ViewScaleTest)
#include "ViewScaleTest.moc"
