// The finished map leaving the program: its vectors checked against the
// pixels of the example map, saved by kind and copied.
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "support/VectorChecks.h"
#include "widgets/QImageCanvas.h"
#include "widgets/VectorReplay.h"

using namespace isobra;
using test::ReadAll;

namespace {

const QRect kWhole(0, 0, 635, 425);

// The values of an attribute throughout an SVG.
QSet<QString> Values(const std::string& svg, const char* attribute) {
    QSet<QString> out;
    const QRegularExpression re(QString::fromLatin1(attribute) + QStringLiteral("=\"([^\"]*)\""));
    for (const auto& m : re.globalMatch(QString::fromStdString(svg))) out << m.captured(1);
    return out;
}

}  // namespace

class ExportCommandsTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindowWithFolder(); }
    void cleanup() { DestroyWindow(); }

    // Every retained call drawn again onto a fresh canvas gives the canvas's
    // pixels: the list holds all that is shown and nothing cleared away.
    void theRetainedCallsRedrawTheExampleMapPixelForPixel() {
        window_->canvas().SetBackgroundPicture(std::make_shared<RgbImage>(300, 200, MakeColour(90, 90, 90)));
        window_->menuAction("cntTizu")->trigger();
        window_->menuAction("cntSuuti")->setChecked(true);  // small texts too
        window_->menuAction("cntClsLine")->trigger();
        DrawExampleMap();
        QImageCanvas& canvas = window_->canvas();
        QImageCanvas again;
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

    void theExampleMapAsSvgAndPdf() {
        window_->menuAction("cntTizu")->trigger();
        // The coastline table holds 29 runs of points: 29 polylines.
        QCOMPARE(QString::fromStdString(*VectorReplay(window_->canvas()).Svg(kWhole)).count("<polyline"), 29);

        window_->menuAction("cntClsLine")->trigger();
        DrawExampleMap();
        const VectorReplay replay(window_->canvas());
        const std::string svg = *replay.Svg(kWhole);
        QVERIFY(QSvgRenderer(QByteArray::fromStdString(svg)).isValid());
        QVERIFY(svg.find(">高</text>") != std::string::npos && svg.find(">低</text>") != std::string::npos);
        // No hairlines: every stroke one canvas pixel, scaled with the picture.
        QCOMPARE(Values(svg, "stroke-width"), QSet<QString>{"1"});
        QCOMPARE(Values(svg, "vector-effect"), QSet<QString>{"none"});
        // Isobars run on from cell to cell: far fewer polylines than lines.
        QVERIFY(QString::fromStdString(svg).count("<polyline") * 4 < int(window_->canvas().RetainedCalls().size()));

        // Drawn at the canvas's size, the vectors of both lie over the pixels.
        QImage fromSvg(635, 425, QImage::Format_RGB32);
        QPainter painter(&fromSvg);
        QSvgRenderer(QByteArray::fromStdString(svg)).render(&painter);
        painter.end();
        QString why;
        const QImage fromPdf = test::PdfPage(QByteArray::fromStdString(*replay.Pdf(kWhole)), 72, &why);
        QVERIFY2(fromPdf.size() == QSize(635, 425), qPrintable(why));
        for (const QImage& drawn : {fromSvg, fromPdf})
            QVERIFY(test::ShareOfInkFound(window_->canvas().Composite(), drawn) > 0.97);
    }

    void theKindFollowsTheNameOrThePatternPicked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension: PNG") << "map" << 0 << "map.png";
        QTest::newRow("no extension, *.pdf picked") << "map" << 2 << "map.pdf";
        QTest::newRow(".SVG typed, *.png picked") << "map.SVG" << 0 << "map.svg";
        QTest::newRow("day.1.pdf typed") << "day.1.pdf" << 1 << "day.pdf";
        QTest::newRow("another extension, *.svg picked") << "map.txt" << 1 << "map.svg";
    }
    void theKindFollowsTheNameOrThePatternPicked() {
        QFETCH(QString, typed);
        QFETCH(int, picked);
        QFETCH(QString, written);
        window_->menuAction("cntTizu")->trigger();
        prompts_->fileAnswers = {folder_->filePath(typed)};
        prompts_->patternAnswers = {picked};
        window_->menuAction("cntTizuHozon")->trigger();
        QCOMPARE(prompts_->fileRequests.at(0).patternChoices, (QStringList{"*.png", "*.svg", "*.pdf", "*.geojson"}));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{written});
        const QByteArray bytes = ReadAll(folder_->filePath(written));
        if (written.endsWith(".png"))  // the canvas pixel for pixel
            QCOMPARE(QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32), window_->canvas().Composite());
        QVERIFY(bytes.startsWith(written.endsWith(".pdf") ? "%PDF" : written.endsWith(".svg") ? "<?xml" : "\x89PNG"));
    }

private:
    void DrawExampleMap() {
        QVERIFY(window_->commands().files.OpenObservationFile(QStringLiteral(ISOBRA_EXAMPLES "/winter.dat")));
        for (const char* item : {"cntTizu", "cntTouatu2", "cntKigou", "cntHuuryoku", "cntZensen"})
            window_->menuAction(item)->trigger();
        QVERIFY(prompts_->shown.empty());
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "ExportCommandsTest.moc"
