#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "app/CanvasView.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/PleaseWait.h"
#include "app/PleaseWaitScope.h"
#include "entry/Tenki1.h"
#include "support/MainWindowFixture.h"
#include "widgets/HelpTexts.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;

namespace {

struct MenuEntry {
    QString caption;  // "-" for a separator
    QString name;
    int depth;
};

// Walks the menu bar in order, the way the user sees it.
void Walk(const QList<QAction*>& actions, int depth, QList<MenuEntry>& out) {
    for (QAction* a : actions) {
        out.push_back({a->isSeparator() ? QStringLiteral("-") : a->text(), a->objectName(), depth});
        if (a->menu()) Walk(a->menu()->actions(), depth + 1, out);
    }
}

}  // namespace

class MainWindowTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindow(false); }
    void cleanup() { DestroyWindow(); }

    void menuTreeHasEveryCaptionInOrder() {
        QList<MenuEntry> entries;
        Walk(window_->menuBar()->actions(), 0, entries);
        const QList<MenuEntry> expected = {
            {"ファイル", "cntFile", 0},
            {"気象観測データ読みこみ", "cntLoad", 1},
            {"気象観測データ保存", "cntSave", 1},
            {"気象観測データ削除", "cntDel", 1},
            {"-", "cntS1", 1},
            {"等圧線データ読みこみ", "cntTLoad", 1},
            {"等圧線データ保存", "cntTSave", 1},
            {"等圧線データ削除", "cntTDel", 1},
            {"-", "cntS7", 1},
            {"地図を画像で保存", "cntTizuHozon", 1},
            {"地図を印刷", "cntInsatu", 1},
            {"データ入力", "cntInput", 0},
            {"各地の天気", "cntTenki", 1},
            {"船舶の報告", "cntSenpaku", 1},
            {"漁業気象", "cntGyogyou", 1},
            {"聞き取りの練習", "cntRenshuu", 1},
            {"-", "cntS2", 1},
            {"データを消す", "cntNew", 1},
            {"消えますよｏｋ？", "cntNew2", 2},
            {"天気図", "cntLine", 0},
            {"地図を表示", "cntTizu", 1},
            {"等圧線の表示", "cntTouatu2", 1},
            {"天気記号の表示", "cntKigou", 1},
            {"風力の表示", "cntHuuryoku", 1},
            {"前線の表示", "cntZensen", 1},
            {"画面の消去", "cntCls", 1},
            {"地図、等圧線や記号を消す", "cntClsLine", 2},
            {"-", "cntS5", 2},
            {"気象衛星画像も消します", "cntClsBMP", 2},
            {"-", "cntS4", 1},
            {"気圧の立体表示", "cntRittai", 1},
            {"等圧線の間隔の変更", "cntTKankaku", 1},
            {"等圧線の修正、保存", "cntSyusei", 1},
            {"等圧線の連続表示", "cntRenzoku", 1},
            {"表示色の指定", "cntColor", 1},
            {"-", "cntS6", 1},
            {"気圧の数値を入れる", "cntSuuti", 1},
            {"-", "cntS8", 1},
            {"表示の大きさ", "cntOokisa", 1},
            {"100 %", "cntOokisa100", 2},
            {"150 %", "cntOokisa150", 2},
            {"200 %", "cntOokisa200", 2},
            {"300 %", "cntOokisa300", 2},
            {"ウィンドウに合わせる", "cntOokisaAwaseru", 2},
            {"気象衛星画像", "cntHim", 0},
            {"雲の断面図", "cntDanmen", 1},
            {"画像の連続表示", "cntGRenzoku", 1},
            {"-", "cntS3", 1},
            {"画像読みこみ", "cntHimawari", 1},
            {"画像の保存", "cntGazou", 1},
            {"画像の削除", "cntGDel", 1},
            {"終了", "cntEnd", 0},
            {"終了ｏｋ？", "entEnd2", 1},
            {"説明する？", "cntHelp", 0},
        };
        QCOMPARE(entries.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(entries[i].caption, expected[i].caption);
            QCOMPARE(entries[i].name, expected[i].name);
            QCOMPARE(entries[i].depth, expected[i].depth);
        }
        QCOMPARE(window_->windowTitle(), QStringLiteral("Isobra"));
    }

    void onlyTheConfirmationItemsAct() {
        window_->Start();
        QSignalSpy ended(window_.get(), &MainWindow::ended);
        state_->observations.land(0).pressure = 1012;

        // The parent items only open their submenus.
        window_->menuAction("cntEnd")->trigger();
        window_->menuAction("cntNew")->trigger();
        QCOMPARE(ended.count(), 0);
        QCOMPARE(state_->observations.land(0).pressure, 1012);

        window_->menuAction("cntNew2")->trigger();
        QCOMPARE(state_->observations.land(0).pressure, 0);
        window_->menuAction("entEnd2")->trigger();
        QCOMPARE(ended.count(), 1);
    }

    void closingTheFrameEndsTheProgramOnce() {
        window_->Start();
        window_->show();
        window_->commands().entry.ShowLandForm();
        QSignalSpy ended(window_.get(), &MainWindow::ended);
        window_->close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!window_->commands().entry.landForm()->isVisible());
    }

    void mapCommandDrawsAndClearKeepsPicture() {
        window_->Start();
        QImageCanvas& canvas = window_->canvas();
        QCOMPARE(canvas.width(), 635);
        QCOMPARE(canvas.height(), 425);
        const Colour white = MakeColour(255, 255, 255);
        const Colour blue = MakeColour(0, 0, 255);
        // Point 0 of the coastline, (299, 99), is drawn in the map colour.
        QCOMPARE(canvas.ReadPixel(299, 99), white);
        window_->menuAction("cntTizu")->trigger();
        QCOMPARE(canvas.ReadPixel(299, 99), blue);
        // The graticule line from (34, 29) to (7, 57) starts at its first point.
        QCOMPARE(canvas.ReadPixel(34, 29), blue);

        auto picture = std::make_shared<RgbImage>(100, 100, MakeColour(10, 20, 30));
        canvas.SetBackgroundPicture(picture);
        QCOMPARE(canvas.ReadPixel(50, 50), MakeColour(10, 20, 30));
        window_->menuAction("cntClsLine")->trigger();
        QCOMPARE(canvas.ReadPixel(299, 99), white);
        QCOMPARE(canvas.ReadPixel(50, 50), MakeColour(10, 20, 30));  // the picture stays
        window_->menuAction("cntTizu")->trigger();
        // Drawn over the picture.
        QCOMPARE(canvas.ReadPixel(34, 29), blue);
    }

    void introductionIsShownThroughThePrompts() {
        MainWindow::ShowIntroduction(*prompts_);
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].title, QStringLiteral("はじめに"));
        const QStringList lines = prompts_->shown[0].text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 15);  // 14 lines, each ended by CR LF
        QCOMPARE(lines[0], QStringLiteral("　天気図作成ソフト「Isobra32 (Barovo for Windows 32Bit版)」を"));
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[12], QString(22, QLatin1Char(' ')) + QStringLiteral("キー（->）で項目を選びリターンキーを押"));
        QCOMPARE(lines[13], QStringLiteral("　　　　　　　　　　　して下さい。"));
        QCOMPARE(lines[14], QString());
    }

    // The introduction is shown by the program before the window is made:
    // the window's own start asks nothing.
    void startUpReadiesTheFormsAndShowsTheWindowWithoutAsking() {
        state_->observations.SetStationCount(3);
        window_->StartUp();
        QVERIFY(prompts_->shown.empty());
        QVERIFY(state_->observations.stationCount() == 54 && state_->observations.stationName(8) == "室戸岬");
        QVERIFY(window_->isVisible());
    }

    void menuHelpPagesStopOnNo() {
        prompts_->yesNoAnswers = {false};
        window_->menuAction("cntHelp")->trigger();
        QCOMPARE(prompts_->Titles(), QStringList{"メニュー説明(1/4)"});

        prompts_->shown.clear();
        prompts_->yesNoAnswers = {true, true, true};
        window_->menuAction("cntHelp")->trigger();
        QCOMPARE(prompts_->Titles(),
                 (QStringList{"メニュー説明(1/4)", "メニュー説明(2/4)", "メニュー説明(3/4)", "メニュー説明 (4/4)"}));
        QCOMPARE(prompts_->shown[3].kind, test::ScriptedPrompts::Shown::Kind::Inform);
        // Page 2 and 3 end without a line end, page 1 with one.
        QVERIFY(MenuHelpText(1).endsWith(QStringLiteral("表示しますか？\r\n")));
        QVERIFY(MenuHelpText(2).endsWith(QStringLiteral("表示しますか？")));
        QVERIFY(MenuHelpText(4).endsWith(QStringLiteral("（ﾍﾞﾀ､ｳｪｻﾞｰｾﾝｻのファイルの変換もできます）")));
        QCOMPARE(MenuHelpText(2).split(QStringLiteral("\r\n")).size(), 16);
    }

    void canvasClicksDispatchByMouseMode() {
        window_->Start();
        QStringList calls;
        window_->commands().clicks.SetCorrectionHandler([&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            calls << QStringLiteral("correct %1 %2 %3").arg(int(b)).arg(x).arg(y);
        });
        window_->commands().clicks.SetCrossSectionHandler([&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            calls << QStringLiteral("section %1 %2").arg(x).arg(y);
        });
        CanvasView* view = window_->findChild<CanvasView*>(QStringLiteral("Picture1"));
        QVERIFY(view);

        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(10, 20));  // no mode: nothing
        for (MouseMode mode : {MouseMode::Raise, MouseMode::Lower, MouseMode::Inspect}) {
            state_->mouseMode = mode;
            QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(30, 40));
        }
        state_->mouseMode = MouseMode::NorthSouth;
        QTest::mouseClick(view, Qt::RightButton, {}, QPoint(50, 60));
        state_->mouseMode = MouseMode::EastWest;
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(70, 80));
        QTest::mouseMove(view, QPoint(71, 81));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(71, 81));  // only the press counts
        state_->mouseMode = MouseMode::None;
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(90, 90));

        QCOMPARE(calls, (QStringList{"correct 1 30 40", "correct 1 30 40", "correct 1 30 40", "section 50 60",
                                     "section 70 80"}));
    }

    void pleaseWaitIsBlueCentredAndGoesWithItsScope() {
        auto scope = std::make_unique<PleaseWaitScope>(*window_, QStringLiteral("データ保存中"));
        PleaseWait* wait = window_->pleaseWait();
        QVERIFY(wait);
        QCOMPARE(wait->objectName(), QStringLiteral("MATTENE"));
        QVERIFY(wait->isVisible());
        QCOMPARE(wait->caption(), QStringLiteral("データ保存中"));
        const QImage shot = wait->grab().toImage();
        QCOMPARE(shot.pixelColor(1, 1), QColor(0, 0, 255));
        bool white = false;
        for (int x = 0; x < shot.width() && !white; ++x)
            for (int y = 0; y < shot.height(); ++y)
                if (shot.pixelColor(x, y) == QColor(255, 255, 255)) white = true;
        QVERIFY2(white, "the caption is drawn in white");
        const QRect screen = wait->screen()->geometry();
        const QRect frame = wait->frameGeometry();
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);

        scope->SetCaption(QStringLiteral("データ読みこみ中！"));
        QCOMPARE(window_->pleaseWait()->caption(), QStringLiteral("データ読みこみ中！"));
        scope.reset();
        QVERIFY(!window_->pleaseWait());
        window_->HidePleaseWait();  // harmless twice

        // A command cut short by an exception takes it down all the same.
        try {
            const PleaseWaitScope cut(*window_, QStringLiteral("ちょっと待ってね。（計算中）"));
            throw std::runtime_error("cut short");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(!window_->pleaseWait());
    }

    void drawingSurvivesResizeAndRepaint() {
        window_->Start();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->menuAction("cntTizu")->trigger();
        window_->resize(900, 700);
        window_->resize(300, 200);
        window_->resize(700, 500);
        CanvasView* view = window_->canvasView();
        const QImage shot = view->grab().toImage();
        QCOMPARE(shot.pixelColor(299, 99), QColor(0, 0, 255));
        QCOMPARE(shot.pixelColor(0, 0), QColor(255, 255, 255));
    }

private:
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
