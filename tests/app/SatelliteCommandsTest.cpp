// The satellite-image commands through the menu, with scripted prompts:
// loading pictures and converted sources, saving, deleting, removing, and
// the cross-section window driven through the main window's click dispatch.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CanvasView.h"
#include "app/Danmen.h"
#include "app/MainWindow.h"
#include "app/PleaseWait.h"
#include "support/MainWindowFixture.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;

namespace {

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void WritePicture(const QString& path, QSize size, QColor colour, const char* format) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, format));
}

// A plane set name.b1, name.r1, name.g1, name.e1 with every byte of a plane
// the given value; an empty value leaves that plane out.
void WritePlaneSet(const QDir& dir, const QString& stem, const std::array<std::optional<char>, 4>& fill) {
    const char* codes[4] = {"b1", "r1", "g1", "e1"};
    for (int p = 0; p < 4; ++p)
        if (fill[p]) WriteAll(dir.filePath(stem + "." + codes[p]), QByteArray(32000, *fill[p]));
}

// A sensor file whose plane of weight 8 is all ones and the others zero.
QByteArray SensorBytes(int size = 320000) {
    QByteArray bytes(size, '\0');
    bytes.replace(0, std::min(size, 80000), QByteArray(std::min(size, 80000), '\xff'));
    return bytes;
}

const QString kQuestion =
    QStringLiteral("ＢＭＰファイルに変換してから読み込みます。\r\n時間がかかりますがよろしいですか？");

}  // namespace

class SatelliteCommandsTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindowWithFolder(); }
    void cleanup() { DestroyWindow(); }

    void picturesLoadByContentAtTheirOwnSizeUnderTheDrawing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bmp") << "sat.bmp" << QByteArray("BMP");
        QTest::newRow("png") << "clouds.png" << QByteArray("PNG");
        QTest::newRow("jpeg named bmp") << "odd.bmp" << QByteArray("JPEG");
    }
    void picturesLoadByContentAtTheirOwnSizeUnderTheDrawing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        WritePicture(Path(name), QSize(500, 300), QColor(255, 0, 0), format.constData());
        window_->DrawMap();

        Load(Path(name));
        QVERIFY2(prompts_->shown.empty(), qPrintable(prompts_->Titles().join(",")));
        const FileRequest& request = prompts_->fileRequests.back();
        QCOMPARE(request.title, QStringLiteral("画像読みこみ"));
        QCOMPARE(request.pattern, QStringLiteral("*.bmp"));
        QVERIFY(request.showOptions);
        QCOMPARE(request.optionCaptions, (QStringList{"bmpﾌｧｲﾙ", "べたﾌｧｲﾙ", "ｳｪｻﾞｰｾﾝｻ"}));

        const auto picture = window_->canvas().BackgroundPicture();
        QVERIFY(picture);
        QCOMPARE(picture->width, 500);
        QCOMPARE(picture->height, 300);
        QVERIFY(RedOf(window_->canvas().ReadPixel(450, 250)) > 240);
        QCOMPARE(window_->canvas().ReadPixel(10, 350), MakeColour(255, 255, 255));  // below it: the background
        QCOMPARE(window_->canvas().ReadPixel(299, 99), MakeColour(0, 0, 255));      // the coastline stays on top
    }

    void aPictureThatCannotBeReadKeepsTheCanvasAndNamesTheFile() {
        WritePicture(Path("good.bmp"), QSize(400, 400), Qt::white, "BMP");
        Load(Path("good.bmp"));
        const auto before = window_->canvas().BackgroundPicture();
        WriteAll(Path("broken.bmp"), QByteArray("BM this is no picture"));

        for (const QString& name : {QStringLiteral("broken.bmp"), QStringLiteral("gone.bmp")}) {
            prompts_->shown.clear();
            Load(Path(name));
            QCOMPARE(prompts_->shown.size(), std::size_t{1});
            QVERIFY2(prompts_->shown[0].text.startsWith("「" + name + "」を画像として読みこめませんでした（"),
                     qPrintable(prompts_->shown[0].text));
            QVERIFY(prompts_->shown[0].text.endsWith(QStringLiteral("。地図の背景は前のままです。")));
            QCOMPARE(window_->canvas().BackgroundPicture(), before);
        }
    }

    void convertedSourcesLoadAfterTheQuestion_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("bmp");
        QTest::addColumn<QString>("questionTitle");
        QTest::addColumn<int>("grey");
        QTest::addColumn<QColor>("waitColour");
        QTest::addColumn<QString>("firstCaption");
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
        QFETCH(QString, questionTitle);
        QFETCH(int, grey);
        QFETCH(QColor, waitColour);
        QFETCH(QString, firstCaption);
        if (option == 1)
            WritePlaneSet(QDir(folder_->path()), "pic", {'\xff', '\xff', '\xff', '\xff'});
        else
            WriteAll(Path(source), SensorBytes());
        const QStringList files = Files();

        // No: nothing is converted.
        prompts_->optionAnswers = {option};
        Load(Path(source));
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        QCOMPARE(prompts_->shown[0].title, questionTitle);
        QCOMPARE(prompts_->shown[0].text, kQuestion);
        QCOMPARE(Files(), files);
        QVERIFY(!window_->canvas().BackgroundPicture());

        // The please-wait window paints before the work starts; a timer
        // fires then and sees it.
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
        QCOMPARE(seenCaption, firstCaption);
        QCOMPARE(prompts_->shown.size(), std::size_t{2});
        QCOMPARE(QFileInfo(Path(bmp)).size(), 80118);
        QCOMPARE(QString::fromStdString(state_->fileChooser.chosenPath), Path(bmp));
        QVERIFY(!window_->pleaseWait());
        const auto picture = window_->canvas().BackgroundPicture();
        QVERIFY(picture);
        QCOMPARE(picture->width, 400);
        QCOMPARE(picture->At(0, 0), MakeColour(grey, grey, grey));
        QCOMPARE(picture->At(399, 399), MakeColour(grey, grey, grey));
    }

    void aRefusedConversionLeavesNoFileAndKeepsTheCanvas_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("named");
        QTest::newRow("plane missing") << 1 << "pic.b1"
                                       << "pic.e1";
        QTest::newRow("plane short") << 1 << "short.b1"
                                     << "short.b1";
        QTest::newRow("not a b1") << 1 << "pic.r1"
                                  << "pic.r1";
        QTest::newRow("sensor short") << 2 << "forg.001"
                                      << "forg.001";
        QTest::newRow("not a sensor name") << 2 << "pic.g1"
                                           << "pic.g1";
    }
    void aRefusedConversionLeavesNoFileAndKeepsTheCanvas() {
        QFETCH(int, option);
        QFETCH(QString, source);
        QFETCH(QString, named);
        WritePlaneSet(QDir(folder_->path()), "pic", {'\x01', '\x02', '\x03', std::nullopt});
        WriteAll(Path("short.b1"), QByteArray(31999, '\0'));
        for (const char* code : {"r1", "g1", "e1"})
            WriteAll(Path(QStringLiteral("short.") + code), QByteArray(32000, 0));
        WriteAll(Path("forg.001"), SensorBytes(319900));
        WritePicture(Path("old.bmp"), QSize(400, 400), Qt::gray, "BMP");
        Load(Path("old.bmp"));
        const auto before = window_->canvas().BackgroundPicture();
        const QStringList files = Files();

        prompts_->optionAnswers = {option};
        prompts_->yesNoAnswers = {true};
        Load(Path(source));
        QCOMPARE(prompts_->shown.size(), std::size_t{2});
        const QString message = prompts_->shown[1].text;
        QVERIFY2(message.contains("「" + named + "」"), qPrintable(message));
        QVERIFY(message.endsWith(QStringLiteral("ＢＭＰファイルは作っていません。")));
        QCOMPARE(Files(), files);
        QCOMPARE(window_->canvas().BackgroundPicture(), before);
        QVERIFY(!window_->pleaseWait());
    }

    void saveWritesTheLoadedPictureAsBmp() {
        prompts_->fileAnswers = {Path("none")};
        window_->menuAction("cntGazou")->trigger();
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        QCOMPARE(prompts_->shown[0].title, QStringLiteral("画像の保存のエラー"));
        QCOMPARE(prompts_->shown[0].text,
                 QStringLiteral(
                     "画像として保存できるのは、読みこんだ気象衛星画像だけです。等圧線や天気記号の図は保存できません。"
                     "等圧線や天気記号は「ＣＯＰＹ」キーを押してクリップボードから利用してください。"));
        QVERIFY(!QFile::exists(Path("none.BMP")));

        QImage original(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x) original.setPixel(x, y, qRgb(x % 256, y, (x + y) % 256));
        QVERIFY(original.save(Path("orig.png"), "PNG"));
        Load(Path("orig.png"));
        window_->DrawMap();  // the drawing is not saved
        QVERIFY(QDir(folder_->path()).mkdir("a.b"));
        const std::pair<QString, QString> saves[] = {
            {"sat.jpg", "sat.BMP"}, {"plain", "plain.BMP"}, {"a.b/inner", "a.b/inner.BMP"}};
        for (const auto& [chosen, written] : saves) {
            prompts_->fileAnswers = {Path(chosen)};
            window_->menuAction("cntGazou")->trigger();
            QCOMPARE(prompts_->fileRequests.back().title, QStringLiteral("画像の保存"));
            QVERIFY(prompts_->fileRequests.back().purpose == FileRequest::Purpose::Save);
            const Result<QImage> back = ReadPictureFile(Path(written));
            QVERIFY2(back, qPrintable(written));
            QCOMPARE(back->convertToFormat(QImage::Format_RGB32), original);
        }
        QVERIFY(!QFile::exists(Path("sat.jpg")));
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
    }

    void deleteComesBackUntilCancelAndSaysWhenAFileVanished() {
        WritePicture(Path("x.bmp"), QSize(4, 4), Qt::white, "BMP");
        prompts_->fileAnswers = {Path("x.bmp"), Path("vanished.bmp")};
        window_->menuAction("cntGDel")->trigger();
        QVERIFY(!QFile::exists(Path("x.bmp")));
        QCOMPARE(prompts_->fileRequests.size(), std::size_t{3});
        for (const FileRequest& r : prompts_->fileRequests) {
            QCOMPARE(r.title, QStringLiteral("画像ファイル削除"));
            QCOMPARE(r.pattern, QStringLiteral("*.bmp"));
            QVERIFY(r.purpose == FileRequest::Purpose::Delete);
        }
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        QVERIFY(prompts_->shown[0].text.contains(QStringLiteral("「vanished.bmp」")));
    }

    void removeTakesThePictureAndLeavesTheDrawing() {
        WritePicture(Path("sat.bmp"), QSize(400, 400), Qt::black, "BMP");
        Load(Path("sat.bmp"));
        window_->DrawMap();
        window_->menuAction("cntClsBMP")->trigger();
        QVERIFY(!window_->canvas().BackgroundPicture());
        QCOMPARE(window_->canvas().ReadPixel(299, 99), MakeColour(0, 0, 255));
        QCOMPARE(window_->canvas().ReadPixel(5, 5), MakeColour(255, 255, 255));
        QVERIFY(prompts_->shown.empty());
    }

    void crossSectionButtonsChangeTheModeAndClicksDrawTheChart() {
        WritePicture(Path("white.bmp"), QSize(400, 400), Qt::white, "BMP");
        Load(Path("white.bmp"));
        window_->DrawMap();
        const Colour white = MakeColour(255, 255, 255), blue = MakeColour(0, 0, 255);
        const QImageCanvas& canvas = window_->canvas();

        window_->menuAction("cntDanmen")->trigger();
        Danmen* danmen = window_->crossSectionWindow();
        QVERIFY(danmen && danmen->isVisible());
        QCOMPARE(danmen->windowTitle(), QStringLiteral("断面図"));
        QCOMPARE(danmen->prompt(), QStringLiteral("地図の上をクリック"));
        QVERIFY(state_->mouseMode == MouseMode::EastWest);
        QCOMPARE(canvas.ReadPixel(299, 99), white);  // opening clears the map

        // East-west at row 100: bars from row 95 up to row 63, the panel above.
        Click(200, 100);
        QCOMPARE(canvas.ReadPixel(200, 80), white);
        QCOMPARE(canvas.ReadPixel(200, 60), blue);
        QCOMPARE(canvas.ReadPixel(395, 80), white);  // right of the panel: the picture

        Press("cmdDTate");
        QVERIFY(state_->mouseMode == MouseMode::NorthSouth);
        QCOMPARE(canvas.ReadPixel(200, 60), white);
        Click(300, 200);
        QCOMPARE(canvas.ReadPixel(280, 200), white);
        QCOMPARE(canvas.ReadPixel(260, 200), blue);
        QCOMPARE(canvas.ReadPixel(200, 60), white);  // one chart at a time

        Press("cmdDcls");
        QVERIFY(state_->mouseMode == MouseMode::NorthSouth);
        QCOMPARE(canvas.ReadPixel(260, 200), white);
        Click(100, 200);
        QCOMPARE(canvas.ReadPixel(60, 200), blue);

        // The menu item again only brings the window forward.
        window_->menuAction("cntDanmen")->trigger();
        QCOMPARE(window_->crossSectionWindow(), danmen);
        QVERIFY(state_->mouseMode == MouseMode::NorthSouth);

        Press("cmdEnd");
        QVERIFY(state_->mouseMode == MouseMode::None);
        QTRY_VERIFY(!window_->crossSectionWindow());
        QCOMPARE(canvas.ReadPixel(60, 200), white);
        Click(100, 200);
        QCOMPARE(canvas.ReadPixel(60, 200), white);
        QVERIFY(canvas.BackgroundPicture());
    }

    void closingTheCrossSectionLeavesACorrectionMode() {
        window_->menuAction("cntDanmen")->trigger();
        QVERIFY(state_->mouseMode == MouseMode::EastWest);
        // The correction window takes the clicks over.
        state_->mouseMode = MouseMode::Raise;
        window_->crossSectionWindow()->close();
        QTRY_VERIFY(!window_->crossSectionWindow());
        QVERIFY(state_->mouseMode == MouseMode::Raise);

        window_->menuAction("cntDanmen")->trigger();
        QVERIFY(state_->mouseMode == MouseMode::EastWest);
        window_->crossSectionWindow()->close();
        QVERIFY(state_->mouseMode == MouseMode::None);
    }

    void theFocusWalksTheFourButtonsInOrder() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->menuAction("cntDanmen")->trigger();
        Danmen* danmen = window_->crossSectionWindow();
        // It comes up as the active window, its first button focused.
        QTRY_COMPARE(QApplication::activeWindow(), danmen);
        // A click into the prompt does not take the focus from the buttons.
        QTest::mouseClick(danmen->findChild<QPlainTextEdit*>("Text1")->viewport(), Qt::LeftButton);
        QStringList walked;
        for (int i = 0; i < 5; ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, (QStringList{"cmdDYoko", "cmdDTate", "cmdDcls", "cmdEnd", "cmdDYoko"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdDTate"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(state_->mouseMode == MouseMode::NorthSouth);
    }

private:
    QString Path(const QString& name) const { return folder_->filePath(name); }
    QStringList Files() const { return QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    void Load(const QString& path) {
        prompts_->fileAnswers = {path};
        window_->menuAction("cntHimawari")->trigger();
    }
    void Click(int x, int y) { QTest::mouseClick(window_->canvasView(), Qt::LeftButton, {}, QPoint(x, y)); }
    void Press(const char* button) {
        QTest::mouseClick(window_->crossSectionWindow()->findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

QTEST_MAIN(SatelliteCommandsTest)
#include "SatelliteCommandsTest.moc"
