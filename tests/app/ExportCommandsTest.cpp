// The finished map leaving the program through the menu and the keys: saved
// as PNG, SVG or PDF, printed, copied; the vectors checked against the pixels
// of the example map.
#include <QClipboard>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>
#include <QtTest>

#include "app/MainWindow.h"
#include "entry/Tenki1.h"
#include "support/MainWindowFixture.h"
#include "support/VectorChecks.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"
#include "widgets/VectorReplay.h"

using namespace isobra;
using Kind = test::ScriptedPrompts::Shown::Kind;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QRect kWhole(0, 0, 635, 425);

}  // namespace

class ExportCommandsTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindowWithFolder(); }
    void cleanup() { DestroyWindow(); }

    // Drawing every call again onto a fresh canvas gives the canvas's
    // pixels: the list holds all that is shown and nothing cleared away.
    void theRetainedCallsRedrawTheExampleMapPixelForPixel() {
        auto picture = std::make_shared<RgbImage>(300, 200, MakeColour(90, 90, 90));
        window_->canvas().SetBackgroundPicture(picture);
        DrawExampleMap(true);
        QImageCanvas& canvas = window_->canvas();

        QImageCanvas again;
        again.SetBackgroundColour(canvas.BackgroundColour());
        again.SetBackgroundPicture(canvas.BackgroundPicture());
        for (const RecordingCanvas::Call& c : canvas.RetainedCalls()) {
            switch (c.op) {
                case RecordingCanvas::Op::Line:
                    again.DrawLine(c.x1, c.y1, c.x2, c.y2, c.colour);
                    break;
                case RecordingCanvas::Op::Box:
                    again.DrawBox(c.x1, c.y1, c.x2, c.y2, c.colour);
                    break;
                case RecordingCanvas::Op::Circle:
                    again.DrawCircle(c.x1, c.y1, c.x2, c.colour);
                    break;
                case RecordingCanvas::Op::Arc:
                    again.DrawArc(c.x1, c.y1, c.x2, c.colour, c.start, c.end);
                    break;
                case RecordingCanvas::Op::Text:
                    again.SetForegroundColour(c.colour);
                    again.DrawTextAt(c.x1, c.y1, c.text, c.size);
                    break;
                case RecordingCanvas::Op::Clear:
                    again.ClearCanvas();
                    break;
            }
        }
        QCOMPARE(again.Composite(), canvas.Composite());
    }

    void theSvgOfTheExampleHasARunPerElementAndTheLettersAsText() {
        window_->DrawMap();
        // The coastline table holds 29 runs of points: 29 polylines.
        const test::SvgCensus coast = Census();
        QCOMPARE(coast.polylinesIn(QStringLiteral("#0000ff")), 29);
        QCOMPARE(coast.elements.count("path"), std::size_t{0});

        window_->ClearMap();
        DrawExampleMap(false);
        const auto svg = VectorReplay(window_->canvas()).Svg(kWhole);
        QVERIFY(svg);
        const test::SvgCensus map = test::TakeSvgCensus(QByteArray::fromStdString(*svg));
        QVERIFY(map.parsed);
        QCOMPARE(map.viewBox, QStringLiteral("0 0 635 425"));
        QVERIFY2(map.texts.contains(QStringLiteral("高")) && map.texts.contains(QStringLiteral("低")),
                 qPrintable(map.texts.join(' ')));
        // Isobars run on from cell to cell: far fewer polylines than lines.
        int lines = 0;
        for (const auto& c : window_->canvas().RetainedCalls()) lines += c.op == RecordingCanvas::Op::Line;
        QVERIFY2(map.elements.at("polyline") * 4 < lines, qPrintable(QString::number(map.elements.at("polyline"))));
        // No hairlines: every stroke one canvas pixel, scaled with the picture.
        QVERIFY(!map.strokeWidths.isEmpty());
        QCOMPARE(QSet<QString>(map.strokeWidths.begin(), map.strokeWidths.end()), QSet<QString>{"1"});
        QVERIFY(!map.vectorEffects.contains(QStringLiteral("non-scaling-stroke")));

        // Drawn at the canvas's size, the vectors lie over the pixels.
        QSvgRenderer renderer(QByteArray::fromStdString(*svg));
        QImage drawn(635, 425, QImage::Format_RGB32);
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        const double share = test::ShareOfInkFound(window_->canvas().Composite(), drawn);
        QVERIFY2(share > 0.97, qPrintable(QString::number(share)));

        QString why;
        const QImage page =
            test::PdfPage(QByteArray::fromStdString(*VectorReplay(window_->canvas()).Pdf(kWhole)), 72, &why);
        QVERIFY2(!page.isNull(), qPrintable(why));
        QCOMPARE(page.size(), QSize(635, 425));
        const double pdfShare = test::ShareOfInkFound(window_->canvas().Composite(), page);
        QVERIFY2(pdfShare > 0.97, qPrintable(QString::number(pdfShare)));
    }

    void theKindFollowsTheNameOrThePatternPicked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("no extension: PNG") << "map" << 0 << "map.png" << QByteArray("\x89PNG");
        QTest::newRow("no extension, *.svg picked") << "map" << 1 << "map.svg" << QByteArray("<?xml");
        QTest::newRow("no extension, *.pdf picked") << "map" << 2 << "map.pdf" << QByteArray("%PDF");
        QTest::newRow(".SVG typed, *.png picked") << "map.SVG" << 0 << "map.svg" << QByteArray("<?xml");
        QTest::newRow(".pdf typed, *.svg picked") << "day.1.pdf" << 1 << "day.pdf" << QByteArray("%PDF");
        QTest::newRow("another extension") << "map.txt" << 1 << "map.svg" << QByteArray("<?xml");
    }
    void theKindFollowsTheNameOrThePatternPicked() {
        QFETCH(QString, typed);
        QFETCH(int, picked);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        window_->DrawMap();
        prompts_->fileAnswers = {folder_->filePath(typed)};
        prompts_->patternAnswers = {picked};
        window_->menuAction("cntTizuHozon")->trigger();
        const FileRequest& asked = prompts_->fileRequests.at(0);
        QCOMPARE(asked.title, QStringLiteral("地図を画像で保存"));
        QCOMPARE(asked.purpose, FileRequest::Purpose::Save);
        QCOMPARE(asked.patternChoices, (QStringList{"*.png", "*.svg", "*.pdf"}));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{written});
        QVERIFY(ReadAll(folder_->filePath(written)).startsWith(start));
        QVERIFY(prompts_->shown.empty());
        if (written.endsWith(QStringLiteral(".png"))) {
            // Pixel for pixel, the whole canvas.
            const QImage png(folder_->filePath(written));
            QCOMPARE(png.convertToFormat(QImage::Format_RGB32), window_->canvas().Composite());
        }
    }

    void anExistingFileIsReplacedOnlyAfterYes() {
        const QString path = folder_->filePath(QStringLiteral("Map.PDF"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        // "map.pdf" is that file, whatever the case.
        prompts_->fileAnswers = {folder_->filePath(QStringLiteral("map.pdf")),
                                 folder_->filePath(QStringLiteral("map"))};
        prompts_->patternAnswers = {0, 2};
        prompts_->yesNoAnswers = {false, true};
        window_->menuAction("cntTizuHozon")->trigger();

        QCOMPARE(prompts_->fileRequests.size(), std::size_t{2});
        // No: the chooser again with the name still typed and the pattern it gave.
        QCOMPARE(prompts_->fileRequests[1].initialName, folder_->filePath(QStringLiteral("map.pdf")));
        QCOMPARE(prompts_->fileRequests[1].pattern, QStringLiteral("*.png"));
        QCOMPARE(prompts_->shown.size(), std::size_t{2});
        QCOMPARE(prompts_->shown[0].text, QStringLiteral("「Map.PDF」はすでにあります。置きかえますか？"));
        QCOMPARE(prompts_->shown[0].preferred, Prompts::Answer::No);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"Map.PDF"});
        QVERIFY(ReadAll(path).startsWith("%PDF"));
    }

    void aFailedWriteSaysWhyAndLeavesNoFile() {
        prompts_->fileAnswers = {folder_->filePath(QStringLiteral("missing/map.svg"))};
        window_->menuAction("cntTizuHozon")->trigger();
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        QVERIFY2(prompts_->shown[0].text.contains(QStringLiteral("「map.svg」")), qPrintable(prompts_->shown[0].text));
        QVERIFY(QDir(folder_->path()).entryList(QDir::Files).isEmpty());
    }

    void printingPutsTheWholeMapOnThePage() {
        window_->DrawMap();
        const QString pdf = folder_->filePath(QStringLiteral("printed.pdf"));
        prompts_->printerAnswers = {[](QPrinter&) { return false; },  // cancelled: nothing printed
                                    [&](QPrinter& printer) {
                                        printer.setOutputFormat(QPrinter::PdfFormat);
                                        printer.setOutputFileName(pdf);
                                        return true;
                                    }};
        window_->menuAction("cntInsatu")->trigger();
        QVERIFY(!QFile::exists(pdf));
        window_->menuAction("cntInsatu")->trigger();
        QCOMPARE(prompts_->Titles(), (QStringList{"地図を印刷", "地図を印刷"}));
        QCOMPARE(prompts_->shown[1].kind, Kind::Print);

        QString why;
        const QImage page = test::PdfPage(ReadAll(pdf), 72, &why);
        QVERIFY2(!page.isNull(), qPrintable(why));
        QVERIFY(page.width() > page.height());  // the wide map on a page on its side
        // The coastline is scaled up to the page, its proportions kept.
        const QRect onCanvas = BlueBox(window_->canvas().Composite());
        const QRect onPage = BlueBox(page);
        const double scale = double(onPage.width()) / onCanvas.width();
        QVERIFY2(scale > 1.1, qPrintable(QString::number(scale)));
        QVERIFY2(qAbs(onPage.height() - onCanvas.height() * scale) < 3, qPrintable(QString::number(onPage.height())));
    }

    // Ctrl+C in the main window copies the map; in an entry window it still
    // copies the field's text.
    void ctrlCCopiesTheMapHereAndTheFieldThere() {
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        window_->DrawMap();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 window_->canvas().Composite());

        window_->menuAction("cntTenki")->trigger();
        Tenki1* form = window_->landForm();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        auto* field = form->findChild<QLineEdit*>(QStringLiteral("kansokubi"));
        QVERIFY(field);
        field->setFocus();
        field->setText(QStringLiteral("12月7日"));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12月7日"));
    }

private:
    // The example map with every layer, drawn through the menu; with the
    // labels a clear comes first, so the list must forget what went before.
    void DrawExampleMap(bool labels) {
        QVERIFY(window_->OpenObservationFile(QStringLiteral(ISOBRA_EXAMPLES "/winter.dat")));
        if (labels) {
            window_->DrawMap();
            window_->canvas().DrawLine(0, 0, 634, 424, MakeColour(255, 0, 255));
            window_->menuAction("cntSuuti")->setChecked(true);
            window_->menuAction("cntClsLine")->trigger();
        }
        for (const char* item : {"cntTizu", "cntTouatu2", "cntKigou", "cntHuuryoku", "cntZensen"})
            window_->menuAction(item)->trigger();
        QVERIFY(prompts_->shown.empty());
    }

    static QRect BlueBox(const QImage& image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qBlue(image.pixel(x, y)) > 200 && qRed(image.pixel(x, y)) < 100) box |= QRect(x, y, 1, 1);
        return box;
    }

    test::SvgCensus Census() {
        const auto svg = VectorReplay(window_->canvas()).Svg(kWhole);
        return svg ? test::TakeSvgCensus(QByteArray::fromStdString(*svg)) : test::SvgCensus{};
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "ExportCommandsTest.moc"
