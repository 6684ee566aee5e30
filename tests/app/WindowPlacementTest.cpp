// Where the entry windows open, on an offscreen screen of 1280 x 1024 with
// window frames, as under a window manager.
#include <QApplication>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/Teisei.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "support/BigScreen.h"
#include "support/MainWindowFixture.h"
#include "widgets/WindowPlacement.h"

using namespace isobra;

class WindowPlacementTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private:
    QList<QWidget*> Forms() const {
        return {window_->commands().entry.landForm(), window_->commands().entry.shipForm(),
                window_->commands().entry.fisheryForm()};
    }
    void ShowMainAt(const QPoint& at, const QSize& size = {}) {
        if (size.isValid()) window_->resize(size);
        window_->move(at);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void OpenAll() {
        for (const char* item : {"cntTenki", "cntSenpaku", "cntGyogyou"})
            window_->menuAction(QString::fromLatin1(item))->trigger();
        for (QWidget* form : Forms()) QVERIFY(QTest::qWaitForWindowExposed(form));
    }

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 1024)); }
    void init() { CreateWindow(); }
    void cleanup() { DestroyWindow(); }

    void besideTheMainWindowWithoutOverlap() {
        ShowMainAt(QPoint(0, 0));
        QVERIFY(window_->frameGeometry() != window_->geometry());  // the frames count
        OpenAll();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QList<QWidget*> forms = Forms();
        for (int i = 0; i < forms.size(); ++i) {
            const QRect frame = forms[i]->frameGeometry();
            QVERIFY2(screen.contains(frame), qPrintable(forms[i]->objectName()));
            QVERIFY2(!frame.intersects(window_->frameGeometry()), qPrintable(forms[i]->objectName()));
            for (int j = 0; j < i; ++j)
                QVERIFY2(!frame.intersects(forms[j]->frameGeometry()),
                         qPrintable(forms[i]->objectName() + " over " + forms[j]->objectName()));
        }
    }

    // Placed at every showing, by the map as it is then: shown again after a
    // zoom, a window finds room beside the grown main window where there is
    // some, and otherwise covers as little of the map as the screen allows.
    void placedAnewAtEveryShowing_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("scaleItem");
        QTest::addColumn<bool>("roomBeside");
        QTest::newRow("correction at 150 %") << "cntSyusei"
                                             << "cntOokisa150" << true;
        QTest::newRow("correction at 200 %") << "cntSyusei"
                                             << "cntOokisa200" << false;
        QTest::newRow("land form at 150 %") << "cntTenki"
                                            << "cntOokisa150" << false;
    }
    void placedAnewAtEveryShowing() {
        QFETCH(QString, menuItem);
        QFETCH(QString, scaleItem);
        QFETCH(bool, roomBeside);
        ShowMainAt(QPoint(0, 0));
        window_->menuAction(menuItem)->trigger();
        QWidget* shown = menuItem == QLatin1String("cntTenki")
                             ? Forms()[0]
                             : static_cast<QWidget*>(window_->commands().isobars.correctionWindow());
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        shown->hide();
        const int before = window_->width();
        window_->menuAction(scaleItem)->trigger();
        QTRY_VERIFY(window_->width() > before);
        window_->menuAction(menuItem)->trigger();
        QTRY_VERIFY(shown->isVisible());
        const QRect frame = shown->frameGeometry();
        const QWidget* central = window_->centralWidget();
        const QRect whole(central->mapToGlobal(QPoint(0, 0)), central->size());
        const QRect map = whole.intersected(frame);
        const QRect middle = whole.marginsRemoved(
            QMargins(whole.width() / 4, whole.height() / 4, whole.width() / 4, whole.height() / 4));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
        if (roomBeside) {
            QVERIFY(!frame.intersects(window_->frameGeometry()));
        } else {
            // A strip at the map's edge at most, never its middle.
            QVERIFY2(map.width() * map.height() * 2 < frame.width() * frame.height(), qPrintable(scaleItem));
            QVERIFY2(!frame.intersects(middle), qPrintable(scaleItem));
        }
    }

    // A main window that leaves no room beside it: the windows share what
    // the screen has left, on the screen and clear of each other.
    void noRoomBesideTheMainWindowTheWindowsShareTheRest() {
        ShowMainAt(QPoint(20, 20), QSize(1200, 950));
        OpenAll();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QList<QWidget*> forms = Forms();
        for (int i = 0; i < forms.size(); ++i) {
            QVERIFY(screen.contains(forms[i]->frameGeometry()));
            for (int j = 0; j < i; ++j) QVERIFY(!forms[i]->frameGeometry().intersects(forms[j]->frameGeometry()));
        }
    }
};

int main(int argc, char** argv) { return isobra::test::RunOnBigScreen<WindowPlacementTest>(argc, argv); }

#include "WindowPlacementTest.moc"
