#include <QtTest>
#include <numbers>

#include "isobar/LabelStyle.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;

namespace {

int CountPixels(const QImageCanvas& canvas, Colour colour, QRect area = QRect(0, 0, 635, 425)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (canvas.ReadPixel(x, y) == colour) ++n;
    return n;
}

const Colour kWhite = MakeColour(255, 255, 255);
const Colour kBlue = MakeColour(0, 0, 255);
const Colour kRed = MakeColour(255, 0, 0);

}  // namespace

class QImageCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void layersReadBackAsTheUserSeesThem() {
        QImageCanvas canvas;
        QCOMPARE(canvas.ReadPixel(10, 10), kWhite);
        canvas.SetBackgroundColour(MakeColour(1, 2, 3));
        QCOMPARE(canvas.ReadPixel(10, 10), MakeColour(1, 2, 3));

        auto picture = std::make_shared<RgbImage>(20, 10, MakeColour(9, 9, 9));
        picture->Set(5, 5, MakeColour(200, 100, 50));
        canvas.SetBackgroundPicture(picture);
        QCOMPARE(canvas.ReadPixel(5, 5), MakeColour(200, 100, 50));  // unscaled, at the top left
        QCOMPARE(canvas.ReadPixel(19, 9), MakeColour(9, 9, 9));
        QCOMPARE(canvas.ReadPixel(20, 9), MakeColour(1, 2, 3));  // beyond the picture

        canvas.DrawLine(0, 5, 30, 5, kRed);
        QCOMPARE(canvas.ReadPixel(5, 5), kRed);
        QCOMPARE(canvas.ReadPixel(25, 5), kRed);
        const QImage shown = canvas.Composite();
        QCOMPARE(shown.pixelColor(5, 5), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(5, 6), QColor(9, 9, 9));
        QCOMPARE(shown.pixelColor(100, 100), QColor(1, 2, 3));

        canvas.ClearCanvas();
        QCOMPARE(canvas.ReadPixel(5, 5), MakeColour(200, 100, 50));
        QCOMPARE(canvas.ReadPixel(25, 5), MakeColour(1, 2, 3));
        canvas.SetBackgroundPicture(nullptr);
        QCOMPARE(canvas.ReadPixel(5, 5), MakeColour(1, 2, 3));
        QCOMPARE(canvas.ReadPixel(-1, 0), MakeColour(1, 2, 3));  // outside: the background
    }

    void linesAreOnePixelWideAndNotAntialiased() {
        QImageCanvas canvas;
        canvas.DrawLine(10, 10, 110, 60, kBlue);
        // A shallow line lights exactly one pixel per column, nothing blended.
        QCOMPARE(CountPixels(canvas, kBlue), 101);
        QCOMPARE(CountPixels(canvas, kWhite), 635 * 425 - 101);
        // Fractions go to the nearest pixel, halves to even: 20.5 -> 20, 21.5 -> 22.
        QImageCanvas half;
        half.DrawLine(20.5f, 30.5f, 21.5f, 30.5f, kBlue);
        QCOMPARE(half.ReadPixel(20, 30), kBlue);
        QCOMPARE(half.ReadPixel(22, 30), kBlue);
        QCOMPARE(half.ReadPixel(20, 31), kWhite);
        QCOMPARE(half.ReadPixel(23, 30), kWhite);
        // Lines far off the canvas are harmless.
        half.DrawLine(-1e9f, -1e9f, 1e9f, 1e9f, kRed);
        half.DrawLine(std::numeric_limits<float>::quiet_NaN(), 0, 5, 5, kRed);
    }

    void boxesIncludeBothEdgesAndCirclesTheirCentre() {
        QImageCanvas canvas;
        canvas.DrawBox(16, 16, 32, 32, kRed);
        QCOMPARE(CountPixels(canvas, kRed), 17 * 17);
        canvas.ClearCanvas();
        canvas.DrawCircle(100, 100, 0, kBlue);
        QCOMPARE(CountPixels(canvas, kBlue), 1);
        QCOMPARE(canvas.ReadPixel(100, 100), kBlue);
        canvas.DrawCircle(200, 200, 5, kBlue);
        QCOMPARE(canvas.ReadPixel(205, 200), kBlue);
        QCOMPARE(canvas.ReadPixel(200, 195), kBlue);
        QCOMPARE(canvas.ReadPixel(200, 200), kWhite);
    }

    void arcsTurnCounterclockwiseOnScreen() {
        QImageCanvas canvas;
        // 0 .. pi/2: from the right round to the top.
        canvas.DrawArc(100, 100, 10, kBlue, 0.0f, static_cast<float>(std::numbers::pi / 2));
        QCOMPARE(canvas.ReadPixel(110, 100), kBlue);
        QCOMPARE(canvas.ReadPixel(100, 90), kBlue);
        QCOMPARE(canvas.ReadPixel(100, 110), kWhite);
        QCOMPARE(canvas.ReadPixel(90, 100), kWhite);
        QCOMPARE(CountPixels(canvas, kBlue, QRect(85, 85, 30, 30)), CountPixels(canvas, kBlue, QRect(100, 88, 13, 13)));
    }

    void japaneseTextIsDrawnInTheForegroundColour() {
        QImageCanvas canvas;
        canvas.SetForegroundColour(kRed);
        canvas.DrawTextAt(50, 60, "高");
        QCOMPARE(canvas.penX(), 50.0f);
        QCOMPARE(canvas.penY(), 60.0f);
        const int lit = CountPixels(canvas, kRed, QRect(50, 60, 20, 20));
        QVERIFY2(lit > 15, "the glyph is drawn");
        // Only the text colour and the background: no blended pixels.
        QCOMPARE(lit + CountPixels(canvas, kWhite, QRect(50, 60, 20, 20)), 400);
        // Nothing above or left of the pen position.
        QCOMPARE(CountPixels(canvas, kRed, QRect(0, 0, 635, 60)), 0);
        QCOMPARE(CountPixels(canvas, kRed, QRect(0, 0, 50, 425)), 0);
        // Different glyphs look different.
        QImageCanvas low;
        low.SetForegroundColour(kRed);
        low.DrawTextAt(50, 60, "低");
        QVERIFY(low.DrawingLayer() != canvas.DrawingLayer());
    }

    // The labelled isobars keep lines and other texts out of the boxes the
    // core's metrics give each text; a glyph that leaks out of its box would
    // sit on them. Small texts are isobar values and central pressures,
    // canvas texts the centre letters.
    void textsStayInsideTheBoxesTheCoreReservesAndFillThem() {
        const LabelStyle style;
        const struct {
            TextSize size;
            const TextMetric& metric;
            std::vector<std::string> texts;
        } fonts[] = {
            {TextSize::Small, style.small, {"0123456789", "1008.5", "-12", "984.5", "1036", "9999.99"}},
            {TextSize::Canvas, style.canvas, {"高", "低", "台", "高低台"}},
        };
        for (const auto& font : fonts) {
            int lowest = -1;
            for (const std::string& text : font.texts) {
                QImageCanvas canvas;
                canvas.SetForegroundColour(kRed);
                const TextPlace at{37, 41};
                canvas.DrawTextAt(static_cast<float>(at.x), static_cast<float>(at.y), text, font.size);
                const PixelBox box = TextBox(at, text, font.metric);
                int lit = 0;
                for (int y = 0; y < canvas.height(); ++y) {
                    for (int x = 0; x < canvas.width(); ++x) {
                        if (canvas.ReadPixel(x, y) != kRed) continue;
                        ++lit;
                        QVERIFY2(box.Contains(x, y), qPrintable(QStringLiteral("%1: pixel %2,%3 outside its box")
                                                                    .arg(QString::fromStdString(text))
                                                                    .arg(x)
                                                                    .arg(y)));
                        lowest = std::max(lowest, y - at.y);
                    }
                }
                QVERIFY(lit > 5 * static_cast<int>(text.size()) / 3);
            }
            // No spare row: the lowest glyph row is the box's last.
            QCOMPARE(lowest, font.metric.height - 1);
        }
        // The boxes advance as the glyphs do.
        QImageCanvas canvas;
        QCOMPARE(QFontMetrics(canvas.smallFont()).horizontalAdvance(QLatin1Char('0')), style.small.charWidth);
        QCOMPARE(QFontMetrics(canvas.font()).horizontalAdvance(QStringLiteral("高")), 2 * style.canvas.charWidth);
    }
};

QTEST_MAIN(QImageCanvasTest)
#include "QImageCanvasTest.moc"
