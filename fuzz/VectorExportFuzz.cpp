// The vector export (SVG and PDF, of the window's "地図を画像で保存" and of
// isobra-render) on any drawing. The input is a list of canvas calls:
// lines, boxes, circles, arcs and texts of any bytes, in any colour and at
// any place (NaN and infinities included), over a small background picture
// when the first byte says so; that byte also asks for a PDF (its top seven
// bits all set, for one such input in sixteen: a PDF costs fifty times an
// SVG). The SVG is well-formed XML whose root is an
// svg element with the viewBox of the area drawn; the PDF parses: it ends
// with %%EOF after a trailer, and its cross-reference table, where
// startxref points, points at each of its objects.
#include <QXmlStreamReader>
#include <cmath>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "PlainChecks.h"
#include "QtFuzzSupport.h"
#include "widgets/QImageCanvas.h"
#include "widgets/VectorReplay.h"

using namespace isobra;

namespace {

// Takes the input a piece at a time; zeros once it runs out.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool done() const { return bytes_.empty(); }
    std::uint8_t Byte() {
        if (bytes_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return b;
    }
    // A canvas coordinate: mostly on the canvas or near it, in tenths of a
    // pixel; now and then far off or any float.
    float Coordinate() {
        const std::uint8_t kind = Byte();
        const int whole = static_cast<std::int16_t>(Byte() | (Byte() << 8));
        if (kind < 224) return static_cast<float>(whole % 7000) / 10.0f - 20.0f;
        if (kind < 248) return static_cast<float>(whole) / 16.0f;
        const float special[] = {NAN, INFINITY, -INFINITY, 1e30f, -1e30f, 0.4999f, 399.5f, -0.5f};
        return special[kind - 248];
    }
    // A radius as the map's figures have them, now and then any float: a
    // huge circle costs the rasteriser, not the export, its time.
    float Radius() {
        const std::uint8_t kind = Byte();
        return kind < 254 ? static_cast<float>(Byte()) / 4.0f : Coordinate();
    }
    Colour AnyColour() { return MakeColour(Byte(), Byte(), Byte()); }
    std::string Text() {
        const std::size_t length = std::min<std::size_t>(Byte() % 24, bytes_.size());
        std::string text(bytes_.substr(0, length));
        bytes_.remove_prefix(length);
        return text;
    }

private:
    std::string_view bytes_;
};

void Draw(QImageCanvas& canvas, Reader& in) {
    for (int calls = 0; !in.done() && calls < 200; ++calls) {
        switch (in.Byte() % 6) {
            case 0: {
                const float x1 = in.Coordinate(), y1 = in.Coordinate(), x2 = in.Coordinate(), y2 = in.Coordinate();
                canvas.DrawLine(x1, y1, x2, y2, in.AnyColour());
                break;
            }
            case 1: {
                const float x2 = in.Coordinate(), y2 = in.Coordinate();
                canvas.DrawLineTo(x2, y2, in.AnyColour());
                break;
            }
            case 2: {  // as small as the map's boxes mostly are
                const float x1 = in.Coordinate(), y1 = in.Coordinate();
                const float x2 = x1 + static_cast<float>(in.Byte() % 40) - 8.0f;
                const float y2 = y1 + static_cast<float>(in.Byte() % 40) - 8.0f;
                canvas.DrawBox(x1, y1, x2, y2, in.AnyColour());
                break;
            }
            case 3: {
                const float x = in.Coordinate(), y = in.Coordinate(), r = in.Radius();
                canvas.DrawCircle(x, y, r, in.AnyColour());
                break;
            }
            case 4: {
                const float x = in.Coordinate(), y = in.Coordinate(), r = in.Radius();
                const Colour colour = in.AnyColour();
                const float start = in.Coordinate(), end = in.Coordinate();
                canvas.DrawArc(x, y, r, colour, start, end);
                break;
            }
            default: {
                canvas.SetForegroundColour(in.AnyColour());
                const float x = in.Coordinate(), y = in.Coordinate();
                const TextSize size = in.Byte() & 1 ? TextSize::Small : TextSize::Canvas;
                canvas.DrawTextAt(x, y, in.Text(), size);
            }
        }
    }
}

void CheckSvg(const std::string& svg, const QRect& area) {
    QXmlStreamReader xml(QByteArray::fromRawData(svg.data(), static_cast<qsizetype>(svg.size())));
    bool root = true;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || !root) continue;
        root = false;
        const QString viewBox = QStringLiteral("%1 %2 %3 %4").arg(0).arg(0).arg(area.width()).arg(area.height());
        fuzz::Require(xml.name() == QLatin1String("svg") && xml.attributes().value("viewBox") == viewBox,
                      "the SVG's root is svg with the area's viewBox", svg.substr(0, 400));
    }
    fuzz::Require(!xml.hasError(), "the SVG is well-formed XML", xml.errorString().toStdString());
    fuzz::Require(!root, "the SVG has a root element");
}

}  // namespace

// Qt's font and glyph caches grow with every character not drawn before, so
// libFuzzer would search most inputs for leaks, which costs more than the
// input: leaks are looked for once, when the run ends.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<char*> args(*argv, *argv + *argc);
    static char noLeakSearch[] = "-detect_leaks=0";
    args.insert(args.begin() + 1, noLeakSearch);
    args.push_back(nullptr);
    *argc = static_cast<int>(args.size()) - 1;
    *argv = args.data();
    fuzz::StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(fuzz::Bytes(data, size));
    static QImageCanvas canvas;
    canvas.ClearCanvas();
    const std::uint8_t flags = in.Byte();
    std::shared_ptr<RgbImage> picture;
    if (flags & 1) {
        picture = std::make_shared<RgbImage>(1 + in.Byte() % 64, 1 + in.Byte() % 64, in.AnyColour());
        picture->Set(0, 0, in.AnyColour());
    }
    canvas.SetBackgroundPicture(picture);
    canvas.SetBackgroundColour(in.AnyColour());
    Draw(canvas, in);

    // The map's square, or the whole canvas as with the 3-D view.
    const QRect area = flags & 2 ? QRect(0, 0, canvas.width(), canvas.height()) : QRect(0, 0, kMapSize, kMapSize);
    const VectorReplay replay(canvas);
    const Result<std::string> svg = replay.Svg(area);
    fuzz::Require(svg.ok(), "an SVG is made", svg.message());
    CheckSvg(*svg, area);
    // A PDF costs fifty times an SVG. The first byte asks for one, and a
    // checksum of the whole input lets one in sixteen of those through: the
    // inputs that reached new code in a PDF fill the corpus and pass their
    // first byte on to what is made of them, so the first byte alone would
    // make every other input a PDF.
    std::uint32_t sum = 0;
    for (std::size_t k = 0; k < size; ++k) sum = sum * 31 + data[k];
    if ((flags & 0xfe) == 0xfe && sum % 16 == 0) {
        const Result<std::string> pdf = replay.Pdf(area);
        fuzz::Require(pdf.ok(), "a PDF is made", pdf.message());
        const std::string problem = fuzz::PdfFrameProblem(*pdf);
        fuzz::Require(problem.empty(), "the PDF parses", problem);
    }
    return 0;
}
