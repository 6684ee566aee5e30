// The canvas drawn again as vectors: lines as wide as a canvas pixel at four
// times the size in SVG and PDF, and a canvas that let its calls go.
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>
#include <limits>

#include "support/VectorChecks.h"
#include "widgets/QImageCanvas.h"
#include "widgets/VectorReplay.h"

using namespace isobra;

namespace {

const QRect kWhole(0, 0, 635, 425);

QImage RenderSvg(const std::string& svg, double scale) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    QImage image((renderer.viewBoxF().size() * scale).toSize(), QImage::Format_RGB32);
    QPainter p(&image);
    renderer.render(&p);
    return image;
}

QString WithoutSpace(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s"), QRegularExpression::UseUnicodePropertiesOption));
}

// What poppler's pdftotext reads from a PDF, white space taken out.
QString PdfText(const std::string& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-", "-"});
    p.write(pdf.data(), qint64(pdf.size()));
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return WithoutSpace(QString::fromUtf8(p.readAllStandardOutput()));
}

// Where a row (across) or column (down) of the image meets `colour`: first and last.
std::pair<int, int> Hits(const QImage& image, QColor colour, int fixed, bool down) {
    std::pair<int, int> out{-1, -1};
    for (int i = 0; i < (down ? image.height() : image.width()); ++i)
        if (image.pixelColor(down ? fixed : i, down ? i : fixed) == colour) out = {out.first < 0 ? i : out.first, i};
    return out;
}

}  // namespace

class VectorReplayTest : public QObject {
    Q_OBJECT

private slots:
    // Four times as large, a line is four pixels wide with its end pixels
    // covered: the pixel canvas's drawing magnified, not a hairline.
    void linesAreOneCanvasPixelWideAtEveryScale() {
        QImageCanvas canvas;
        canvas.DrawLine(10, 10, 20, 10, MakeColour(0, 0, 255));
        canvas.DrawLineTo(20, 15, MakeColour(0, 0, 255));
        canvas.DrawBox(32, 31, 30, 30, MakeColour(255, 0, 0));
        const VectorReplay replay(canvas);
        QString why;
        const QImage fromPdf = test::PdfPage(QByteArray::fromStdString(*replay.Pdf(kWhole)), 4 * 72, &why);
        QVERIFY2(!fromPdf.isNull(), qPrintable(why));
        for (const QImage& big : {RenderSvg(*replay.Svg(kWhole), 4.0), fromPdf}) {
            QCOMPARE(big.size(), QSize(4 * 635, 4 * 425));
            QCOMPARE(Hits(big, Qt::blue, 60, true), std::pair(40, 43));     // across the line at x = 15
            QCOMPARE(Hits(big, Qt::blue, 41, false), std::pair(40, 83));    // along it, both ends
            QCOMPARE(Hits(big, Qt::blue, 81, true), std::pair(40, 63));     // the leg joined to it
            QCOMPARE(Hits(big, Qt::red, 121, false), std::pair(120, 131));  // the box, edges included
            QCOMPARE(Hits(big, Qt::red, 121, true), std::pair(120, 127));
        }
    }

    // Drawn over endlessly without a clear, the canvas lets its calls go and
    // the vectors carry the drawing's pixels; a clear starts a list again.
    void tooManyCallsGiveWayToThePixels() {
        QImageCanvas canvas;
        for (std::size_t i = 0; i <= QImageCanvas::kMaxRetainedCalls; ++i)
            canvas.DrawLine(5, 5, 5, 5, MakeColour(255, 0, 0));
        canvas.DrawLine(10, 20, 30, 20, MakeColour(0, 0, 255));
        QVERIFY(!canvas.RetainedComplete() && canvas.RetainedCalls().empty());
        const std::string svg = *VectorReplay(canvas).Svg(kWhole);
        QVERIFY(svg.find("<polyline") == std::string::npos);
        QCOMPARE(RenderSvg(svg, 1.0).pixelColor(5, 5), QColor(255, 0, 0));
        QCOMPARE(RenderSvg(svg, 1.0).pixelColor(20, 20), QColor(0, 0, 255));
        canvas.ClearCanvas();
        canvas.DrawLine(10, 20, 30, 20, MakeColour(0, 0, 255));
        QVERIFY(canvas.RetainedComplete() && canvas.RetainedCalls().size() == 1);
    }

    // More distinct characters than one PDF font holds, in both text
    // sizes: every one drawn where the pixels have it, and read back as
    // the same characters by a PDF reader.
    void textsOfManyCharactersAreDrawnAndReadBack() {
        QString kana;
        for (char16_t c = u'ぁ'; c <= u'ゖ'; ++c) kana += QChar(c);
        for (char16_t c = u'ァ'; c <= u'ヺ'; ++c) kana += QChar(c);
        for (char c = '!'; c <= '~'; ++c) kana += QLatin1Char(c);
        QStringList lines{QStringLiteral("高低台風前線　９８０")};
        for (int i = 0; i < kana.size(); i += 40) lines += kana.mid(i, 40);  // each within the page
        QImageCanvas canvas;
        canvas.DrawCircle(300, 300, 40, MakeColour(0, 128, 0));
        for (int i = 0; i < lines.size(); ++i)
            canvas.DrawTextAt(5, 20 + 20 * i, lines[i].toStdString(), i % 2 ? TextSize::Small : TextSize::Canvas);
        const std::string pdf = *VectorReplay(canvas).Pdf(kWhole);
        QCOMPARE(PdfText(pdf), WithoutSpace(lines.join(QString())));
        QString why;
        const QImage page = test::PdfPage(QByteArray::fromStdString(pdf), 72, &why);
        QVERIFY2(page.size() == kWhole.size(), qPrintable(why));
        QVERIFY(test::ShareOfInkFound(canvas.Composite(), page) > 0.9);  // the reader smooths the glyphs' edges
    }

    // A character that no font has is drawn by Qt as a box, from a font
    // without a file (with the "@" its script carries on to): the PDF still
    // comes, and the boxes are read as the replacement character.
    void aCharacterNoFontHasLeavesThePdfWhole() {
        QImageCanvas canvas;
        canvas.DrawTextAt(5, 20, "k\xdc\x81@");  // U+0701, a Syriac mark
        const Result<std::string> pdf = VectorReplay(canvas).Pdf(kWhole);
        QVERIFY(pdf.ok());
        QCOMPARE(PdfText(*pdf).remove(QChar(0xfffd)), QStringLiteral("k"));
    }

    // A drawing call may carry any number a file gave: the PDF stays whole
    // and readable, with what can be drawn drawn.
    void numbersOutOfRangeLeaveThePdfWhole() {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QImageCanvas canvas;
        canvas.DrawArc(100, 100, 20, MakeColour(0, 0, 255), nan, 1);
        canvas.DrawArc(100, 100, 20, MakeColour(0, 0, 255), 0, inf);
        canvas.DrawCircle(nan, 100, inf, MakeColour(0, 0, 255));
        canvas.DrawLine(10, 10, nan, inf, MakeColour(0, 0, 255));
        canvas.DrawTextAt(-inf, nan, "x");
        canvas.DrawBox(200, 200, 210, 210, MakeColour(255, 0, 0));
        const Result<std::string> pdf = VectorReplay(canvas).Pdf(kWhole);
        QVERIFY(pdf.ok() && pdf->find("nan") == std::string::npos && pdf->find("inf") == std::string::npos);
        QString why;
        const QImage page = test::PdfPage(QByteArray::fromStdString(*pdf), 72, &why);
        QVERIFY2(page.pixelColor(205, 205) == QColor(Qt::red), qPrintable(why));
    }

    // A text read from a file may hold any character: the SVG stays
    // well-formed XML, with what XML can carry kept.
    void textsOfAnyCharacterGiveWellFormedSvg() {
        QImageCanvas canvas;
        canvas.DrawTextAt(50, 60,
                          "a\x01<&\x1b\x7f\xef\xbf\xbe\xe9\xab\x98"
                          "b\xff");
        // Bytes around a character taken out that would spell U+FFFF if it
        // were taken out as bytes.
        canvas.DrawTextAt(50, 90, "c\xef\xbf\xef\xbf\xbf\xbf\xef\xbf\x13\xbf");
        QXmlStreamReader xml(QByteArray::fromStdString(*VectorReplay(canvas).Svg(kWhole)));
        QString text;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();  // a run a font
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(text.left(7), QString::fromUtf8("a<&\x7f\xe9\xab\x98"
                                                 "b\xef\xbf\xbd"));
        QCOMPARE(text.mid(7).remove(QChar(0xfffd)), QStringLiteral("c"));
    }
};

QTEST_MAIN(VectorReplayTest)
#include "VectorReplayTest.moc"
