// Where the entry windows open, on an offscreen screen of 1280 x 1024 with
// window frames, as under a window manager.
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
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

    // Placed once: hidden, moved by the user and shown again, a window stays
    // where the user put it, and the next window keeps clear of its place.
    void placedOnceAndTheirPlacesKept() {
        ShowMainAt(QPoint(0, 0));
        window_->menuAction("cntTenki")->trigger();
        QWidget* land = Forms()[0];
        QVERIFY(QTest::qWaitForWindowExposed(land));
        const QRect first = land->frameGeometry();
        land->hide();
        window_->menuAction("cntSenpaku")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(Forms()[1]));
        QVERIFY(!Forms()[1]->frameGeometry().intersects(first));
        land->move(land->pos() + QPoint(10, 10));
        const QPoint moved = land->pos();
        window_->menuAction("cntTenki")->trigger();
        QTRY_VERIFY(land->isVisible());
        QCOMPARE(land->pos(), moved);
    }

    // A main window that leaves no room beside it: the windows cascade from
    // its top left and stay on the screen.
    void noRoomBesideTheMainWindowCascades() {
        ShowMainAt(QPoint(20, 20), QSize(1200, 950));
        OpenAll();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QList<QPoint> tops;
        for (QWidget* form : Forms()) {
            QVERIFY(screen.contains(form->frameGeometry()));
            tops << form->frameGeometry().topLeft();
        }
        QVERIFY(tops[0].x() > 20 && tops[0].y() > 20);
        QVERIFY(tops[1].x() > tops[0].x() && tops[1].y() > tops[0].y());
        QVERIFY(tops[2].x() > tops[1].x() && tops[2].y() > tops[1].y());
    }
};

// The offscreen platform with a screen of the size the program is used on.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"windowFrameMargins": true, "screens": [{"name": "big", "x": 0, "y": 0,
                  "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    WindowPlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowPlacementTest.moc"
