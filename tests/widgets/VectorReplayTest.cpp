// The canvas drawn again as vectors: how lines are joined, how wide they are
// at a larger scale in SVG and PDF, and that texts and the picture survive.
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include "support/VectorChecks.h"
#include "widgets/QImageCanvas.h"
#include "widgets/VectorReplay.h"

using namespace isobra;
using Run = VectorReplay::Run;
using Segments = std::vector<std::pair<QPoint, QPoint>>;

namespace {

const Colour kBlue = MakeColour(0, 0, 255);
const Colour kRed = MakeColour(255, 0, 0);

QImage RenderSvg(const std::string& svg, double scale) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    QImage image((renderer.viewBoxF().size() * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    renderer.render(&p);
    return image;
}

// The rows (or columns) where a scan across the image meets `colour`.
QList<int> Hits(const QImage& image, QColor colour, int fixed, bool down) {
    QList<int> out;
    const int n = down ? image.height() : image.width();
    for (int i = 0; i < n; ++i)
        if (image.pixelColor(down ? fixed : i, down ? i : fixed) == colour) out << i;
    return out;
}

QList<int> Span(int from, int to) {
    QList<int> out;
    for (int i = from; i <= to; ++i) out << i;
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(Segments)
Q_DECLARE_METATYPE(std::vector<Run>)

class VectorReplayTest : public QObject {
    Q_OBJECT

private slots:
    void segmentsJoinWhereTheyMeet_data() {
        QTest::addColumn<Segments>("segments");
        QTest::addColumn<std::vector<Run>>("runs");
        const QPoint a(0, 0), b(5, 0), c(5, 5), d(0, 5), e(9, 9);
        QTest::newRow("a square in any order and direction closes")
            << Segments{{c, d}, {a, b}, {a, d}, {c, b}} << std::vector<Run>{{c, d, a, b, c}};
        QTest::newRow("apart stay apart") << Segments{{a, b}, {c, e}} << std::vector<Run>{{a, b}, {c, e}};
        QTest::newRow("a branch starts a second run")
            << Segments{{a, b}, {b, c}, {b, e}} << std::vector<Run>{{a, b, e}, {b, c}};
        QTest::newRow("a lone pixel") << Segments{{e, e}} << std::vector<Run>{{e}};
        QTest::newRow("a point on a line adds nothing") << Segments{{a, b}, {b, b}} << std::vector<Run>{{a, b}};
        QTest::newRow("the same line twice is one run") << Segments{{a, b}, {b, a}} << std::vector<Run>{{a, b, a}};
    }
    void segmentsJoinWhereTheyMeet() {
        QFETCH(Segments, segments);
        QFETCH(std::vector<Run>, runs);
        const std::vector<Run> got = VectorReplay::JoinSegments(segments);
        QCOMPARE(got.size(), runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i) QCOMPARE(got[i], runs[i]);
    }

    // At four times the size a line is four pixels wide, square ends
    // covering the end pixels: the pixel canvas's drawing, magnified.
    void linesAreOneCanvasPixelWideAtEveryScale() {
        QImageCanvas canvas;
        canvas.SetBackgroundColour(MakeColour(255, 255, 255));
        canvas.DrawLine(10, 10, 20, 10, kBlue);
        canvas.DrawLineTo(20, 15, kBlue);
        canvas.DrawBox(32, 31, 30, 30, kRed);
        const VectorReplay replay(canvas);
        const auto svg = replay.Svg(QRect(0, 0, canvas.width(), canvas.height()));
        QVERIFY(svg);
        const auto pdf = replay.Pdf(QRect(0, 0, canvas.width(), canvas.height()));
        QVERIFY(pdf);
        QString why;
        const QImage fromPdf = test::PdfPage(QByteArray::fromStdString(*pdf), 4 * 72, &why);
        QVERIFY2(!fromPdf.isNull(), qPrintable(why));

        for (const QImage& big : {RenderSvg(*svg, 4.0), fromPdf}) {
            QCOMPARE(big.size(), QSize(4 * 635, 4 * 425));
            QCOMPARE(Hits(big, Qt::blue, 60, true), Span(40, 43));     // across the line at x = 15
            QCOMPARE(Hits(big, Qt::blue, 41, false), Span(40, 83));    // along it, ends included
            QCOMPARE(Hits(big, Qt::blue, 81, true), Span(40, 63));     // the joined leg down to y = 15
            QCOMPARE(Hits(big, Qt::red, 121, false), Span(120, 131));  // the box, edges included
            QCOMPARE(Hits(big, Qt::red, 121, true), Span(120, 127));
        }
    }

    void textsStayTextsAndThePictureGoesUnderThem() {
        QImageCanvas canvas;
        auto picture = std::make_shared<RgbImage>(50, 40, MakeColour(0, 200, 0));
        canvas.SetBackgroundPicture(picture);
        canvas.DrawLine(0, 0, 600, 400, kRed);
        canvas.ClearCanvas();  // the line goes; picture and ground stay
        canvas.SetForegroundColour(MakeColour(10, 20, 30));
        canvas.DrawTextAt(100, 100, "高");
        canvas.DrawTextAt(200, 100, "1012", TextSize::Small);
        QCOMPARE(canvas.RetainedCalls().size(), std::size_t{2});

        const VectorReplay replay(canvas);
        const auto svg = replay.Svg(QRect(0, 0, 635, 425));
        QVERIFY(svg);
        const test::SvgCensus census = test::TakeSvgCensus(QByteArray::fromStdString(*svg));
        QVERIFY(census.parsed);
        QCOMPARE(census.texts, (QStringList{"高", "1012"}));
        QCOMPARE(census.elements.count("polyline"), std::size_t{0});
        QCOMPARE(census.elements.at("image"), 1);
        QVERIFY(svg->find("font-family=\"IPAGothic\"") != std::string::npos);
        QVERIFY(svg->find("fill=\"#0a141e\"") != std::string::npos);  // the colour the text was drawn in
        const QImage shown = RenderSvg(*svg, 1.0);
        QCOMPARE(shown.pixelColor(10, 10), QColor(0, 200, 0));
        QCOMPARE(shown.pixelColor(60, 10), QColor(255, 255, 255));

        const auto pdf = replay.Pdf(QRect(0, 0, 635, 425));
        QVERIFY(pdf);
        const QString text = test::PdfText(QByteArray::fromStdString(*pdf));
        QVERIFY2(text.contains(QStringLiteral("高")) && text.contains(QStringLiteral("1012")), qPrintable(text));
        const QImage page = test::PdfPage(QByteArray::fromStdString(*pdf), 72);
        QCOMPARE(page.size(), QSize(635, 425));        // a page of the canvas's proportions
        const QColor green = page.pixelColor(10, 10);  // the PDF may hold the picture as a JPEG
        QVERIFY2(qAbs(green.green() - 200) < 5 && green.red() < 5 && green.blue() < 5, qPrintable(green.name()));
    }

    // A canvas drawn over endlessly without a clear keeps its memory: the
    // calls go, and the vectors show the drawing's pixels instead.
    void tooManyCallsGiveWayToThePixels() {
        QImageCanvas canvas;
        for (std::size_t i = 0; i <= QImageCanvas::kMaxRetainedCalls; ++i) canvas.DrawLine(5, 5, 5, 5, kRed);
        canvas.DrawLine(10, 20, 30, 20, kBlue);
        QVERIFY(!canvas.RetainedComplete());
        QVERIFY(canvas.RetainedCalls().empty());
        const auto svg = VectorReplay(canvas).Svg(QRect(0, 0, 635, 425));
        QVERIFY(svg);
        const test::SvgCensus census = test::TakeSvgCensus(QByteArray::fromStdString(*svg));
        QCOMPARE(census.elements.count("polyline"), std::size_t{0});
        const QImage shown = RenderSvg(*svg, 1.0);
        QCOMPARE(shown.pixelColor(5, 5), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(20, 20), QColor(0, 0, 255));

        canvas.ClearCanvas();
        canvas.DrawLine(10, 20, 30, 20, kBlue);
        QVERIFY(canvas.RetainedComplete());
        QCOMPARE(canvas.RetainedCalls().size(), std::size_t{1});
    }

    // Part of the canvas (the batch tool's 400 x 400 square) is a document of that size.
    void aPartOfTheCanvasIsAPictureOfItsOwnSize() {
        QImageCanvas canvas;
        canvas.DrawLine(390, 5, 500, 5, kBlue);
        const VectorReplay replay(canvas);
        const auto svg = replay.Svg(QRect(0, 0, 400, 400));
        QVERIFY(svg);
        QCOMPARE(test::TakeSvgCensus(QByteArray::fromStdString(*svg)).viewBox, QStringLiteral("0 0 400 400"));
        const QImage page = test::PdfPage(QByteArray::fromStdString(*replay.Pdf(QRect(0, 0, 400, 400))), 72);
        QCOMPARE(page.size(), QSize(400, 400));
        QCOMPARE(page.pixelColor(395, 5), QColor(0, 0, 255));
    }
};

QTEST_MAIN(VectorReplayTest)
#include "VectorReplayTest.moc"
