// The status line under the map follows the pointer and costs the map none
// of its room.
#include <QLabel>
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
    void cleanup() { DestroyWindow(); }

    void thePlaceAndPressureUnderThePointer() {
        CreateWindow();
        typist::ShowActive(window_.get());
        QCOMPARE(window_->centralWidget()->height(), 440);  // as tall as without the line
        auto* line = window_->statusBar()->findChild<QLabel*>(QStringLiteral("Genzaiti"));
        FillSlantingField();  // 100000 + 37 ix + 23 iy
        window_->menuAction("cntOokisa200")->trigger();
        QTest::mouseMove(window_->canvasView(), QPoint(527, 369));
        QTRY_COMPARE(line->text(), QStringLiteral("北緯 34.8°  東経 135.0°  気圧 1008.7 hPa"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(window_->canvasView(), &leave);
        QCOMPARE(line->text(), QString());
    }
};

QTEST_MAIN(StatusLineTest)
#include "StatusLineTest.moc"
