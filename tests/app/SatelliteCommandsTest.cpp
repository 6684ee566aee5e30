// The satellite-image commands through the menu with scripted prompts, and
// the cross-section window driven through the main window's click dispatch.
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/CanvasView.h"
#include "app/Commands.h"
#include "app/Danmen.h"
#include "app/MainWindow.h"
#include "app/PleaseWait.h"
#include "canvas/MapCanvas.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;
using test::WriteAll;
using test::WritePicture;

namespace {

const Colour kWhite = MakeColour(255, 255, 255), kBlue = MakeColour(0, 0, 255);

}  // namespace

class SatelliteCommandsTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindowWithFolder(); }
    void cleanup() { DestroyWindow(); }

    void picturesLoadByContentUnderTheDrawingAndGoOnRemove() {
        WritePicture(Path("odd.bmp"), QColor(255, 0, 0), "PNG", {500, 300});  // a PNG, whatever its name says
        window_->menuAction("cntTizu")->trigger();
        Load(Path("odd.bmp"));
        const FileRequest& request = prompts_->fileRequests.back();
        QVERIFY(request.showOptions && request.title == "画像読みこみ" && request.pattern == "*.bmp");
        QCOMPARE(request.optionCaptions, (QStringList{"bmpﾌｧｲﾙ", "べたﾌｧｲﾙ", "ｳｪｻﾞｰｾﾝｻ"}));
        QCOMPARE(Canvas().ReadPixel(450, 250), MakeColour(255, 0, 0));  // at its own size from the top left
        QCOMPARE(Canvas().ReadPixel(10, 350), kWhite);
        QCOMPARE(Canvas().ReadPixel(299, 99), kBlue);  // the coastline on top

        // A file that is no picture: the canvas keeps what it had.
        const auto before = Canvas().BackgroundPicture();
        WriteAll(Path("broken.bmp"), "BM this is no picture");
        Load(Path("broken.bmp"));
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        QVERIFY(prompts_->shown[0].text.startsWith("「broken.bmp」を画像として読みこめませんでした（"));
        QCOMPARE(Canvas().BackgroundPicture(), before);

        window_->menuAction("cntClsBMP")->trigger();
        QVERIFY(!Canvas().BackgroundPicture());
        QCOMPARE(Canvas().ReadPixel(299, 99), kBlue);
    }

    void convertedSourcesLoadAfterTheQuestion_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("bmp");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("grey");
        QTest::addColumn<QColor>("waitColour");
        QTest::addColumn<QString>("caption");
        QTest::newRow("plane set") << 1 << "pic.b1"
                                   << "pic.BMP"
                                   << "べたファイルの読み込みの注意" << 255 << QColor(255, 0, 0)
                                   << "あと399 ラインです";
        QTest::newRow("sensor") << 2 << "FORG.003"
                                << "FORG.BMP"
                                << "ウェザーセンサの読み込みの注意" << 128 << QColor(255, 136, 0)
                                << "あと798 ラインです";
    }
    void convertedSourcesLoadAfterTheQuestion() {
        QFETCH(int, option);
        QFETCH(QString, source);
        QFETCH(QString, bmp);
        QFETCH(QString, title);
        QFETCH(int, grey);
        QFETCH(QColor, waitColour);
        QFETCH(QString, caption);
        if (option == 1) {
            for (const char* code : {"b1", "R1", "g1", "E1"})
                WriteAll(Path(QStringLiteral("pic.") + code), QByteArray(32000, '\xff'));
        } else {
            // The plane of weight 8 all ones, the others zero.
            WriteAll(Path(source), QByteArray(80000, '\xff') + QByteArray(240000, '\0'));
        }
        const QStringList files = Files();

        prompts_->optionAnswers = {option};
        Load(Path(source));  // No
        QCOMPARE(prompts_->shown.at(0).title, title);
        QCOMPARE(prompts_->shown.at(0).text,
                 QStringLiteral("ＢＭＰファイルに変換してから読み込みます。\r\n時間がかかりますがよろしいですか？"));
        QCOMPARE(prompts_->shown.at(0).icon, Prompts::Icon::Exclamation);
        QCOMPARE(Files(), files);

        // The please-wait window paints before the work starts; a timer fires then.
        QColor seenColour;
        QString seenCaption;
        QTimer::singleShot(0, this, [&] {
            if (const PleaseWait* wait = window_->pleaseWait()) {
                seenColour = wait->background();
                seenCaption = wait->caption();
            }
        });
        prompts_->optionAnswers = {option};
        prompts_->yesNoAnswers = {true};
        Load(Path(source));
        QCOMPARE(seenColour, waitColour);
        QCOMPARE(seenCaption, caption);
        QCOMPARE(prompts_->shown.size(), std::size_t{2});
        QCOMPARE(QFileInfo(Path(bmp)).size(), 80118);
        QVERIFY(!window_->pleaseWait());
        QCOMPARE(Canvas().ReadPixel(kMapSize - 1, kMapSize - 1), MakeColour(grey, grey, grey));
    }

    void aRefusedConversionLeavesNoFileAndKeepsTheCanvas() {
        for (const char* code : {"b1", "r1", "g1"}) WriteAll(Path(QStringLiteral("pic.") + code), QByteArray(32000, 0));
        WritePicture(Path("old.bmp"), Qt::gray);
        Load(Path("old.bmp"));
        const auto before = Canvas().BackgroundPicture();
        const QStringList files = Files();
        prompts_->optionAnswers = {1};
        prompts_->yesNoAnswers = {true};
        Load(Path("pic.b1"));
        QCOMPARE(
            prompts_->shown.at(1).text,
            QStringLiteral(
                "「pic.b1」を変換できませんでした（「pic.e1」が見つかりません）。ＢＭＰファイルは作っていません。"));
        QCOMPARE(Files(), files);
        QCOMPARE(Canvas().BackgroundPicture(), before);
        QVERIFY(!window_->pleaseWait());
    }

    void saveWritesTheLoadedPictureAsBmpOrSaysThereIsNone() {
        prompts_->fileAnswers = {Path("none")};
        window_->menuAction("cntGazou")->trigger();
        QCOMPARE(prompts_->shown.at(0).title, QStringLiteral("画像の保存のエラー"));
        QVERIFY(prompts_->shown.at(0).text.endsWith("「ＣＯＰＹ」キーを押してクリップボードから利用してください。"));
        QVERIFY(!QFile::exists(Path("none.BMP")));

        QImage original(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x) original.setPixel(x, y, qRgb(x % 256, y, (x + y) % 256));
        QVERIFY(original.save(Path("orig.png"), "PNG"));
        Load(Path("orig.png"));
        window_->menuAction("cntTizu")->trigger();  // the drawing is not saved
        prompts_->fileAnswers = {Path("sat.jpg")};
        window_->menuAction("cntGazou")->trigger();
        QCOMPARE(prompts_->fileRequests.back().title, QStringLiteral("画像の保存"));
        const Result<QImage> back = ReadPictureFile(Path("sat.BMP"));
        QVERIFY(back);
        QCOMPARE(*back, original);
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
    }

    void crossSectionButtonsChangeTheModeAndClicksDrawTheChart() {
        WritePicture(Path("white.bmp"), Qt::white);
        Load(Path("white.bmp"));
        window_->menuAction("cntTizu")->trigger();
        window_->menuAction("cntDanmen")->trigger();
        Danmen* danmen = window_->commands().satellite.crossSectionWindow();
        QVERIFY(danmen && danmen->isVisible());
        QCOMPARE(danmen->prompt(), QStringLiteral("地図の上をクリック"));
        QVERIFY(state_->mouseMode == MouseMode::EastWest);
        QCOMPARE(Canvas().ReadPixel(299, 99), kWhite);  // opening clears the map

        // East-west at row 100: white bars from row 95 up to row 63 on the blue panel.
        Click(200, 100);
        QCOMPARE(Canvas().ReadPixel(200, 80), kWhite);
        QCOMPARE(Canvas().ReadPixel(200, 60), kBlue);

        Press("cmdDTate");
        QVERIFY(state_->mouseMode == MouseMode::NorthSouth);
        QCOMPARE(Canvas().ReadPixel(200, 60), kWhite);
        Click(300, 200);
        QCOMPARE(Canvas().ReadPixel(280, 200), kWhite);
        QCOMPARE(Canvas().ReadPixel(260, 200), kBlue);

        Press("cmdDcls");  // the mode stays
        QCOMPARE(Canvas().ReadPixel(260, 200), kWhite);
        Click(100, 200);
        QCOMPARE(Canvas().ReadPixel(60, 200), kBlue);

        Press("cmdEnd");
        QVERIFY(state_->mouseMode == MouseMode::None);
        QTRY_VERIFY(!window_->commands().satellite.crossSectionWindow());
        QCOMPARE(Canvas().ReadPixel(60, 200), kWhite);
    }

    void closingTheCrossSectionLeavesACorrectionMode() {
        window_->menuAction("cntDanmen")->trigger();
        state_->mouseMode = MouseMode::Raise;  // the correction window took the clicks over
        window_->commands().satellite.crossSectionWindow()->close();
        QVERIFY(state_->mouseMode == MouseMode::Raise);
        QTRY_VERIFY(!window_->commands().satellite.crossSectionWindow());
        window_->menuAction("cntDanmen")->trigger();
        window_->commands().satellite.crossSectionWindow()->close();
        QVERIFY(state_->mouseMode == MouseMode::None);
    }

    void theFocusWalksTheFourButtonsInOrder() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->menuAction("cntDanmen")->trigger();
        Danmen* danmen = window_->commands().satellite.crossSectionWindow();
        QTRY_COMPARE(QApplication::activeWindow(), danmen);
        // A click into the prompt does not take the focus from the buttons.
        QTest::mouseClick(danmen->findChild<QPlainTextEdit*>("Text1")->viewport(), Qt::LeftButton);
        QStringList walked;
        for (int i = 0; i < 5; ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, (QStringList{"cmdDYoko", "cmdDTate", "cmdDcls", "cmdEnd", "cmdDYoko"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(state_->mouseMode == MouseMode::NorthSouth);
    }

private:
    QString Path(const QString& name) const { return folder_->filePath(name); }
    QStringList Files() const { return test::Entries(folder_->path()); }
    const QImageCanvas& Canvas() const { return window_->canvas(); }
    void Load(const QString& path) {
        prompts_->fileAnswers = {path};
        window_->menuAction("cntHimawari")->trigger();
    }
    void Click(int x, int y) { QTest::mouseClick(window_->canvasView(), Qt::LeftButton, {}, QPoint(x, y)); }
    void Press(const char* button) {
        QTest::mouseClick(window_->commands().satellite.crossSectionWindow()->findChild<QPushButton*>(button),
                          Qt::LeftButton);
    }
};

QTEST_MAIN(SatelliteCommandsTest)
#include "SatelliteCommandsTest.moc"
