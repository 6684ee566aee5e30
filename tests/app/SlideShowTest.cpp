#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include "app/CanvasView.h"
#include "app/Commands.h"
#include "app/Cont.h"
#include "app/MainWindow.h"
#include "app/Teisei.h"
#include "entry/Tenki1.h"
#include "isobar/IsobarFile.h"
#include "model/FileAccess.h"
#include "support/DrawnPixels.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"

using namespace isobra;

namespace {

// What an isobar file leaves in memory: the grid and the items.
struct MapState {
    PressureGrid grid;
    std::vector<IsobarFileItem> items;
};

MapState StateOf(const PressureField& field) { return {field.pressureGrid, IsobarFileItems(field.plotTable)}; }

bool SameMap(const PressureField& field, const MapState& map) {
    return field.pressureGrid == map.grid && IsobarFileItems(field.plotTable) == map.items;
}

}  // namespace

class SlideShowTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindowWithFolder(); }
    void cleanup() { DestroyWindow(); }

    void registeringAppendsReplacesAndSwitchingKindEmpties() {
        window_->menuAction("cntRenzoku")->trigger();
        Cont* cont = window_->commands().display.continuousDisplayWindow();
        QVERIFY(cont && cont->isVisible());
        QCOMPARE(cont->windowTitle(), QStringLiteral("等圧線連続表示"));
        QCOMPARE(cont->findChild<QLabel*>("Label3")->text(), QStringLiteral("線を表示します。"));

        prompts_->fileAnswers = {QStringLiteral("/m/a.cnt"), QStringLiteral("/m/b.cnt"), QStringLiteral("/m/c.cnt")};
        Click(cont, "cmdLoad");
        QCOMPARE(cont->Rows(), (QStringList{"/m/a.cnt", "/m/b.cnt", "/m/c.cnt"}));
        QCOMPARE(prompts_->fileRequests.size(), size_t(4));  // until the chooser is cancelled
        QCOMPARE(prompts_->fileRequests[0].title, QStringLiteral("等圧線データ連続読みこみ"));
        QCOMPARE(prompts_->fileRequests[0].pattern, QStringLiteral("*.cnt"));

        // With no entry selected, a new file is appended, not put in place of entry -1.
        cont->SelectRow(-1);
        prompts_->fileAnswers = {QStringLiteral("/m/d.cnt")};
        Click(cont, "cmdLoad");
        QCOMPARE(cont->Rows().last(), QStringLiteral("/m/d.cnt"));
        cont->SelectRow(1);
        prompts_->fileAnswers = {QStringLiteral("/m/x.cnt")};
        Click(cont, "cmdLoad");
        QCOMPARE(cont->Rows(), (QStringList{"/m/a.cnt", "/m/x.cnt", "/m/c.cnt", "/m/d.cnt"}));
        QCOMPARE(cont->SelectedRow(), 2);
        Click(cont, "cmdDelete");
        QCOMPARE(cont->Rows(), (QStringList{"/m/a.cnt", "/m/x.cnt", "/m/d.cnt"}));
        QCOMPARE(cont->SelectedRow(), 1);

        Click(cont, "cmdEnd");
        QVERIFY(!cont->isVisible());
        window_->menuAction("cntRenzoku")->trigger();  // the same kind keeps the list
        QCOMPARE(cont->Rows().size(), 3);
        window_->menuAction("cntGRenzoku")->trigger();
        QVERIFY(cont->Rows().isEmpty());
        QCOMPARE(cont->windowTitle(), QStringLiteral("気象衛星画像の連続表示"));
        QCOMPARE(cont->findChild<QLabel*>("Label2")->text(), QStringLiteral("表示をクリックすると連続で気象"));
        prompts_->fileAnswers = {QStringLiteral("/m/a.bmp")};
        Click(cont, "cmdLoad");
        QCOMPARE(prompts_->fileRequests.back().title, QStringLiteral("気象衛星画像の連続読みこみ"));
        QCOMPARE(prompts_->fileRequests.back().pattern, QStringLiteral("*.Bmp"));
    }

    void displayTimeIsAskedAgainUntilTheAnswerFits() {
        window_->menuAction("cntRenzoku")->trigger();
        Cont* cont = window_->commands().display.continuousDisplayWindow();
        prompts_->inputAnswers = {QStringLiteral("11"), QStringLiteral("abc"), QStringLiteral("２．５")};
        Click(cont, "cmdHZikan");
        QCOMPARE(state_->display.displayTime(), 2.5f);
        QCOMPARE(prompts_->shown.size(), size_t(5));
        QCOMPARE(prompts_->shown[0].title, QStringLiteral("表示時間の設定"));
        QCOMPARE(prompts_->shown[0].text,
                 QStringLiteral("表示する時間は1秒ごとです。\r\n何秒間隔で表示しますか？\r\n（0から10）"));
        QCOMPARE(prompts_->shown[1].title, QStringLiteral("連続表示の注意"));
        QCOMPARE(prompts_->shown[1].text, QStringLiteral("正しい数値を入力して下さい（０～１０）"));
        QCOMPARE(prompts_->shown[3].text, prompts_->shown[1].text);

        prompts_->shown.clear();
        prompts_->inputAnswers = {QStringLiteral("")};  // empty: no change, no warning
        Click(cont, "cmdHZikan");
        QCOMPARE(state_->display.displayTime(), 2.5f);
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QVERIFY(prompts_->shown[0].text.startsWith(QStringLiteral("表示する時間は2.5秒ごとです。")));
    }

    void aShowOfIsobarFilesEndsWithTheLastOnesState() {
        const std::vector<MapState> maps = {WriteMap("a.cnt", 0, 8), WriteMap("b.cnt", 300, 2),
                                            WriteMap("c.cnt", -500, 5)};
        state_->observations.SetStationCount(50);
        Register({"a.cnt", "b.cnt", "c.cnt"}, 0.0f);
        RunAndWait();
        QVERIFY2(prompts_->shown.empty(), qPrintable(prompts_->Titles().join(",")));
        QVERIFY(SameMap(state_->field, maps[2]));
        QCOMPARE(state_->observations.stationCount(), 54);
        QCOMPARE(state_->field.plotTable.stationCount, 54);
        QCOMPARE(state_->field.plotTable.shipCount, 0);
        // The map and the isobars on a cleared canvas.
        QCOMPARE(window_->canvas().ReadPixel(299, 99), MakeColour(0, 0, 255));
        QVERIFY(window_->commands().display.continuousDisplayWindow()->isVisible());
        QVERIFY(window_->menuBar()->isEnabled());
    }

    void unreadableFilesAreSkippedAndNamedOnceAfterwards() {
        const MapState first = WriteMap("a.cnt", 0, 8);
        const MapState last = WriteMap("c.cnt", 200, 3);
        test::WriteAll(folder_->filePath("half.cnt"), " 101200 , 101300 \r\n");
        Register({"a.cnt", "missing.cnt", "c.cnt", "half.cnt"}, 0.1f);
        QElapsedTimer clock;
        clock.start();
        RunAndWait();
        // Two maps shown, each for a tenth of a second at least.
        QVERIFY(clock.elapsed() >= 200);
        QVERIFY(SameMap(state_->field, last));
        QVERIFY(!SameMap(state_->field, first));
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].title, QStringLiteral("連続表示の注意"));
        const QStringList lines = prompts_->shown[0].text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("次のファイルは表示できなかったので、とばしました。"));
        QCOMPARE(lines[1], QStringLiteral("「missing.cnt」：ファイルかフォルダが見つかりません。"));
        QVERIFY(lines[2].startsWith(QStringLiteral("「half.cnt」：ファイルが1行目で終わっていて")));
    }

    void escStopsTheShowAndNothingElseActsUntilThen() {
        const MapState first = WriteMap("a.cnt", 0, 8);
        WriteMap("b.cnt", 300, 2);
        Register({"a.cnt", "b.cnt"}, 10.0f);
        window_->menuAction("cntSyusei")->trigger();
        Teisei* teisei = window_->commands().isobars.correctionWindow();
        QVERIFY(QTest::qWaitForWindowExposed(teisei));
        QStringList clicks;
        window_->commands().clicks.SetCorrectionHandler([&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            clicks << QStringLiteral("%1,%2").arg(x).arg(y);
        });
        state_->mouseMode = MouseMode::Raise;
        window_->commands().entry.landForm();  // a window that is open during the show

        Click(window_->commands().display.continuousDisplayWindow(), "cmdHyouzi");
        QVERIFY(window_->commands().display.ShowRunning());
        QVERIFY(SameMap(state_->field, first));
        QVERIFY(!window_->commands().display.continuousDisplayWindow()->isVisible());
        QVERIFY(!window_->menuBar()->isEnabled());
        QVERIFY(!window_->commands().entry.landForm()->isEnabled());
        QTest::mouseClick(window_->canvasView(), Qt::LeftButton, {}, QPoint(30, 40));
        window_->OnCanvasMouseDown(Qt::LeftButton, {}, 50, 60);
        QVERIFY(clicks.isEmpty());
        QVERIFY(!CloseBox(teisei));
        QCOMPARE(state_->mouseMode, MouseMode::Raise);
        QTest::qWait(50);  // the event loop runs on; the first map stays
        QVERIFY(window_->commands().display.ShowRunning());

        QTest::keyClick(window_.get(), Qt::Key_Escape);
        QVERIFY(!window_->commands().display.ShowRunning());
        QVERIFY(SameMap(state_->field, first));
        QVERIFY(window_->menuBar()->isEnabled());
        QVERIFY(window_->commands().entry.landForm()->isEnabled());
        QVERIFY(window_->commands().display.continuousDisplayWindow()->isVisible());
        QVERIFY(window_->commands().display.continuousDisplayWindow()->isEnabled());
        window_->OnCanvasMouseDown(Qt::LeftButton, {}, 50, 60);
        QCOMPARE(clicks, QStringList{"50,60"});
        QVERIFY(CloseBox(teisei));
    }

    void anImageShowPutsEachPictureUnderTheDrawingAndDrawsNothing() {
        test::WritePicture(folder_->filePath("one.bmp"), QColor(255, 0, 0), "BMP", {40, 30});
        test::WritePicture(folder_->filePath("two.Bmp"), QColor(0, 255, 0), "PNG", {50, 20});  // read by its content
        window_->menuAction("cntGRenzoku")->trigger();
        state_->display.Append({ToUtf8(folder_->filePath("one.bmp")), ToUtf8(folder_->filePath("two.Bmp"))}, -1);
        state_->display.SetDisplayTime(0.0f);
        RunAndWait();
        QVERIFY(prompts_->shown.empty());
        const auto picture = window_->canvas().BackgroundPicture();
        QVERIFY(picture);
        QCOMPARE(picture->width, 50);
        QCOMPARE(window_->canvas().ReadPixel(10, 10), MakeColour(0, 255, 0));
        QVERIFY(!test::DrawnPixels(window_->canvas().DrawingLayer()));
    }

    void droppedFilesOfTheOtherKindAreRefusedInOneMessage() {
        WriteMap("a.cnt", 0, 8);
        WriteMap("b.cnt", 0, 8);
        test::WritePicture(folder_->filePath("sky.cnt"), Qt::gray, "BMP", {8, 8});  // a picture whatever its name
        QVERIFY(QDir(folder_->path()).mkdir("folder"));
        window_->menuAction("cntRenzoku")->trigger();
        Drop({"b.cnt", "sky.cnt", "a.cnt", "folder"});
        Cont* cont = window_->commands().display.continuousDisplayWindow();
        QCOMPARE(cont->Rows(), (QStringList{folder_->filePath("b.cnt"), folder_->filePath("a.cnt")}));
        QCOMPARE(cont->SelectedRow(), 1);
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(
            prompts_->shown[0].text,
            QStringLiteral(
                "次のファイルは等圧線データではありませんので、登録しませんでした。\r\n「sky.cnt」\r\n「folder」"));

        prompts_->shown.clear();
        window_->menuAction("cntGRenzoku")->trigger();
        Drop({"sky.cnt", "a.cnt"});
        QCOMPARE(cont->Rows(), QStringList{folder_->filePath("sky.cnt")});
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QVERIFY(prompts_->shown[0].text.contains(QStringLiteral("画像ではありません")));
        QVERIFY(prompts_->shown[0].text.endsWith(QStringLiteral("「a.cnt」")));
    }

private:
    static void Click(QWidget* window, const char* button) {
        auto* b = window->findChild<QPushButton*>(QString::fromUtf8(button));
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // The winter map with every node raised by `offset` and only its first
    // `items` items, saved as `name`.
    MapState WriteMap(const char* name, int offset, int items) {
        const Result<std::string> bytes = ReadWholeFile(ISOBRA_TEST_DATA "/winter-isobars.cnt");
        AppState scratch;
        Result<IsobarFileData> data = ParseIsobarFile(*bytes, scratch.field.grid, 54);
        data->items.resize(static_cast<std::size_t>(items));
        for (std::int32_t& value : data->grid) value += offset;
        [&] { QVERIFY(ApplyIsobarFile(*data, 54, scratch.field)); }();
        [&] { QVERIFY(SaveFileAtomically(ToUtf8(folder_->filePath(name)), *WriteIsobarFile(scratch.field))); }();
        return StateOf(scratch.field);
    }

    void Register(const QStringList& names, float seconds) {
        window_->menuAction("cntRenzoku")->trigger();
        std::vector<std::string> paths;
        for (const QString& name : names) paths.push_back(ToUtf8(folder_->filePath(name)));
        state_->display.Append(paths, -1);
        state_->display.SetDisplayTime(seconds);
        window_->commands().display.continuousDisplayWindow()->ShowKind();
    }

    // The window manager's close box: does the window let itself be closed?
    static bool CloseBox(QWidget* window) {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QApplication::instance()->notify(window, &close);  // sendEvent would make it not spontaneous
        return close.isAccepted();
    }

    void RunAndWait() {
        Click(window_->commands().display.continuousDisplayWindow(), "cmdHyouzi");
        QTRY_VERIFY_WITH_TIMEOUT(!window_->commands().display.ShowRunning(), 20000);
    }

    void Drop(const QStringList& names) {
        QList<QUrl> urls;
        for (const QString& name : names) urls << QUrl::fromLocalFile(folder_->filePath(name));
        QMimeData data;
        data.setUrls(urls);
        auto* list = window_->commands().display.continuousDisplayWindow()->findChild<QListWidget*>("lstFiles");
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);  // a drop follows an accepted enter
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &drop);
    }
};

QTEST_MAIN(SlideShowTest)
#include "SlideShowTest.moc"
