// The status line under the map follows the pointer at every scale and
// costs the map none of its room.
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QtTest>

#include "app/CanvasView.h"
#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "support/TypistKit.h"

using namespace isobra;

class StatusLineTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() {
        CreateWindow();
        typist::ShowActive(window_.get());
    }
    void cleanup() { DestroyWindow(); }

    void thePlaceAndPressureUnderThePointer() {
        auto* line = window_->findChild<QLabel*>(QStringLiteral("Genzaiti"));
        QVERIFY(line);
        // The client area above the line is as tall as ever.
        QCOMPARE(window_->centralWidget()->height(), 440);
        QVERIFY(window_->statusBar()->isVisible() && window_->statusBar()->height() > 0);

        FillSlantingField();  // 100000 + 37 ix + 23 iy
        CanvasView* view = window_->canvasView();
        QTest::mouseMove(view, QPoint(263, 184));
        QTRY_COMPARE(line->text(), QStringLiteral("北緯 35.0°  東経 135.0°  気圧 1008.7 hPa"));
        window_->menuAction("cntOokisa200")->trigger();
        QTest::mouseMove(view, QPoint(527, 369));
        QTRY_COMPARE(line->text(), QStringLiteral("北緯 34.8°  東経 135.0°  気圧 1008.7 hPa"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(view, &leave);
        QCOMPARE(line->text(), QString());
    }
};

QTEST_MAIN(StatusLineTest)
#include "StatusLineTest.moc"
