#include "widgets/PdfPage.h"

#include <QDateTime>
#include <QGlyphRun>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <numbers>
#include <unordered_map>

#include "widgets/Deflate.h"

namespace isobra {

namespace {

// Glyphs are drawn at this many units an em, the scale of Type 3 fonts'
// usual FontMatrix.
constexpr int kUnitsPerEm = 1000;
// A Type 3 font's codes are single bytes: 255 glyphs a font, code 0 unused.
constexpr std::size_t kGlyphsPerFont = 255;

void AppendInt(std::string& out, long long value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

// A number to a thousandth, without trailing zeros; what no reader can take
// (not a number, beyond any page) becomes the nearest that it can.
void AppendNumber(std::string& out, double value) {
    if (!(value == value)) value = 0;
    value = std::clamp(value, -1e9, 1e9);
    long long thousandths = std::llround(value * 1000);
    if (thousandths < 0) {
        out += '-';
        thousandths = -thousandths;
    }
    AppendInt(out, thousandths / 1000);
    if (int fraction = static_cast<int>(thousandths % 1000); fraction != 0) {
        out += '.';
        int digits = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        char text[4] = {'0', '0', '0', '\0'};
        for (int i = digits - 1; i >= 0; --i, fraction /= 10) text[i] = static_cast<char>('0' + fraction % 10);
        out.append(text, static_cast<std::size_t>(digits));
    }
}

void AppendColour(std::string& out, const QColor& colour, const char* op) {
    for (const int part : {colour.red(), colour.green(), colour.blue()}) {
        AppendNumber(out, part / 255.0);
        out += ' ';
    }
    out += op;
    out += '\n';
}

void AppendHex(std::string& out, unsigned value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xf];
}

// A text as UTF-16 code units in hexadecimal, as PDF strings and ToUnicode
// maps take any character.
void AppendUtf16Hex(std::string& out, const QString& text) {
    for (const QChar unit : text) AppendHex(out, unit.unicode(), 4);
}

// One glyph's outline as a Type 3 glyph description, made once a process.
struct GlyphOutline {
    std::string proc;  // deflated content stream
    int advance = 0;   // in units an em
    int box[4] = {0, 0, 0, 0};
    std::u32string text;  // what the glyph stands for, when known
};

class GlyphTable {
public:
    static GlyphTable& Instance() {
        static GlyphTable table;
        return table;
    }

    static constexpr const char* kBoxes = "\x1f";

    // What tells a font from the others, for the glyphs of a run.
    static std::string FontKey(const QRawFont& font) {
        // A character that no font has comes in a run of Qt's stand-in that
        // draws boxes: it has no font file, and asking its family name
        // crashes.
        if (font.fontTable("head").isEmpty()) return kBoxes;
        std::string key = font.familyName().toStdString() + '\x1f' + font.styleName().toStdString() + '\x1f';
        AppendInt(key, font.weight());
        key += '\x1f';
        AppendInt(key, font.style());
        return key;
    }

    // The glyph's place in the table, made the first time it is asked for.
    std::size_t Of(const QRawFont& font, const std::string& fontKey, quint32 glyph, char32_t text) {
        std::string key = fontKey + '\x1f';
        AppendInt(key, glyph);
        const std::lock_guard lock(mutex_);
        if (const auto found = index_.find(key); found != index_.end()) return found->second;
        glyphs_.push_back(Make(font, glyph, text));
        index_.emplace(std::move(key), glyphs_.size() - 1);
        return glyphs_.size() - 1;
    }

    GlyphOutline At(std::size_t i) const {
        const std::lock_guard lock(mutex_);
        return glyphs_[i];
    }

private:
    static GlyphOutline Make(QRawFont font, quint32 glyph, char32_t text) {
        font.setPixelSize(kUnitsPerEm);
        GlyphOutline out;
        QPointF advance;
        if (font.advancesForGlyphIndexes(&glyph, &advance, 1, QRawFont::UseDesignMetrics))
            out.advance = static_cast<int>(std::lround(advance.x()));
        if (text != 0) out.text = std::u32string(1, text);
        // Qt's outline runs y downwards from the baseline; glyph space runs up.
        const QPainterPath path = font.pathForGlyph(glyph);
        std::string ops;
        bool open = false;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            auto point = [&](const QPainterPath::Element& p) {
                AppendInt(ops, std::lround(p.x));
                ops += ' ';
                AppendInt(ops, -std::lround(p.y));
                ops += ' ';
            };
            if (e.isMoveTo()) {
                if (open) ops += "h\n";
                point(e);
                ops += "m\n";
                open = true;
            } else if (e.isLineTo()) {
                point(e);
                ops += "l\n";
            } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
                point(e);
                point(path.elementAt(i + 1));
                point(path.elementAt(i + 2));
                ops += "c\n";
                i += 2;
            }
        }
        std::string proc;
        AppendInt(proc, out.advance);
        proc += " 0 ";
        if (open) {
            const QRectF bounds = path.boundingRect();
            out.box[0] = static_cast<int>(std::floor(bounds.left()));
            out.box[1] = static_cast<int>(std::floor(-bounds.bottom()));
            out.box[2] = static_cast<int>(std::ceil(bounds.right()));
            out.box[3] = static_cast<int>(std::ceil(-bounds.top()));
            ops += "h\nf\n";
        }
        for (const int edge : out.box) {
            AppendInt(proc, edge);
            proc += ' ';
        }
        proc += "d1\n";
        proc += ops;
        out.proc = Deflate(proc);
        return out;
    }

    mutable std::mutex mutex_;
    std::vector<GlyphOutline> glyphs_;
    std::unordered_map<std::string, std::size_t> index_;
};

// The text's characters, one a glyph of the run's font when the font maps
// them one to one (no ligature, no composition): what a reader copies.
std::vector<char32_t> CharactersOf(const QGlyphRun& run, const QString& text) {
    std::vector<char32_t> out(static_cast<std::size_t>(run.glyphIndexes().size()), 0);
    if (text.isEmpty()) return out;
    const QList<uint> characters = text.toUcs4();
    std::unordered_map<quint32, char32_t> byGlyph;
    for (const uint c : characters) {
        const QList<quint32> glyph =
            run.rawFont().glyphIndexesForString(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1));
        if (glyph.size() == 1 && glyph.front() != 0) byGlyph.emplace(glyph.front(), static_cast<char32_t>(c));
    }
    const QList<quint32> glyphs = run.glyphIndexes();
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        if (const auto found = byGlyph.find(glyphs[i]); found != byGlyph.end())
            out[static_cast<std::size_t>(i)] = found->second;
    return out;
}

}  // namespace

PdfPage::PdfPage(int width, int height) : width_(width), height_(height) {
    // y runs downwards, as on the canvas; lines are a unit wide with square
    // ends and mitred corners, as the painter draws them.
    content_ = "1 0 0 -1 0 ";
    AppendInt(content_, height_);
    content_ += " cm\n0 0 ";
    AppendInt(content_, width_);
    content_ += ' ';
    AppendInt(content_, height_);
    content_ += " re W n\n1 w 2 J 0 j 2 M\n";
}

void PdfPage::StrokeColour(const QColor& colour) {
    if (colour == stroke_) return;
    stroke_ = colour;
    AppendColour(content_, colour, "RG");
}

void PdfPage::FillColour(const QColor& colour) {
    if (colour == fill_) return;
    fill_ = colour;
    AppendColour(content_, colour, "rg");
}

void PdfPage::Number(double value) {
    AppendNumber(content_, value);
    content_ += ' ';
}

void PdfPage::Point(double x, double y) {
    Number(x);
    Number(y);
}

void PdfPage::FillRect(double x, double y, double width, double height) {
    Point(x, y);
    Point(width, height);
    content_ += "re f\n";
}

void PdfPage::Polyline(const QPointF* points, std::size_t count) {
    if (count < 2) return;
    Point(points[0].x(), points[0].y());
    content_ += "m\n";
    for (std::size_t i = 1; i < count; ++i) {
        Point(points[i].x(), points[i].y());
        content_ += "l\n";
    }
    content_ += "S\n";
}

void PdfPage::Arc(QPointF centre, double radius, double start, double span) {
    if (!std::isfinite(start) || !std::isfinite(span) || !std::isfinite(radius)) return;  // no arc to draw
    // Pieces of at most a quarter turn, each a cubic whose handles are
    // 4/3 tan(angle/4) of the radius long: off the circle by 0.03 % at most.
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(span) / (std::numbers::pi / 2) - 1e-9)));
    const double step = span / pieces;
    const double handle = 4.0 / 3.0 * std::tan(step / 4) * radius;
    // The page runs y downwards, so counterclockwise on it is -sin.
    auto at = [&](double a) { return QPointF(centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)); };
    auto tangent = [&](double a) { return QPointF(-std::sin(a), -std::cos(a)); };
    QPointF from = at(start);
    Point(from.x(), from.y());
    content_ += "m\n";
    for (int i = 0; i < pieces; ++i) {
        const double a0 = start + i * step;
        const double a1 = a0 + step;
        const QPointF to = at(a1);
        const QPointF c1 = from + tangent(a0) * handle;
        const QPointF c2 = to - tangent(a1) * handle;
        Point(c1.x(), c1.y());
        Point(c2.x(), c2.y());
        Point(to.x(), to.y());
        content_ += "c\n";
        from = to;
    }
    content_ += "S\n";
}

void PdfPage::Image(const QImage& image, double x, double y, double width, double height) {
    if (image.isNull()) return;
    const bool alpha = image.hasAlphaChannel();
    // A satellite picture is grey: one sample a pixel is enough for it.
    const bool grey = !alpha && image.allGray();
    const QImage pixels = image.convertToFormat(alpha  ? QImage::Format_RGBA8888
                                                : grey ? QImage::Format_Grayscale8
                                                       : QImage::Format_RGB888);
    const int w = pixels.width();
    const int h = pixels.height();
    const int channels = grey ? 1 : 3;
    const std::size_t rowBytes = static_cast<std::size_t>(w) * channels;
    // Each row is told as the difference from the row above (PNG's "Up"
    // predictor, a filter byte of 2 before the row): smooth pictures deflate
    // to a fraction of their plain samples.
    std::string colours(h * (rowBytes + 1), '\0');
    std::string mask(alpha ? h * (static_cast<std::size_t>(w) + 1) : 0, '\0');
    std::vector<unsigned char> row(rowBytes), above(rowBytes, 0), maskRow(w), maskAbove(w, 0);
    for (int r = 0; r < h; ++r) {
        const auto* line = pixels.constScanLine(r);
        if (alpha) {
            for (int i = 0; i < w; ++i) {
                std::copy_n(line + 4 * i, 3, row.data() + 3 * i);
                maskRow[i] = line[4 * i + 3];
            }
        } else {
            std::copy_n(line, rowBytes, row.data());
        }
        char* out = colours.data() + r * (rowBytes + 1);
        out[0] = 2;
        for (std::size_t i = 0; i < rowBytes; ++i) out[i + 1] = static_cast<char>(row[i] - above[i]);
        row.swap(above);
        if (!alpha) continue;
        char* outMask = mask.data() + r * (static_cast<std::size_t>(w) + 1);
        outMask[0] = 2;
        for (int i = 0; i < w; ++i) outMask[i + 1] = static_cast<char>(maskRow[i] - maskAbove[i]);
        maskRow.swap(maskAbove);
    }
    auto body = [&](const std::string& samples, const char* space, int colors) {
        const std::string packed = Deflate(samples);
        std::string out = "<< /Type /XObject /Subtype /Image /Width ";
        AppendInt(out, w);
        out += " /Height ";
        AppendInt(out, h);
        out += " /ColorSpace /";
        out += space;
        out += " /BitsPerComponent 8 /Filter /FlateDecode /DecodeParms << /Predictor 12 /Colors ";
        AppendInt(out, colors);
        out += " /Columns ";
        AppendInt(out, w);
        out += " >> /Length ";
        AppendInt(out, static_cast<long long>(packed.size()));
        out += " >>\nstream\n" + packed + "\nendstream";
        return out;
    };
    images_.push_back({body(colours, grey ? "DeviceGray" : "DeviceRGB", channels),
                       alpha ? body(mask, "DeviceGray", 1) : std::string()});
    // The image's first row at the top of the rectangle.
    content_ += "q ";
    Point(width, 0);
    Point(0, -height);
    Point(x, y + height);
    content_ += "cm /Im";
    AppendInt(content_, static_cast<long long>(images_.size()) - 1);
    content_ += " Do Q\n";
}

std::pair<int, int> PdfPage::CodeOf(std::size_t glyph) {
    if (const auto found = codes_.find(glyph); found != codes_.end()) return found->second;
    if (fonts_.empty() || fonts_.back().glyphs.size() == kGlyphsPerFont) fonts_.emplace_back();
    fonts_.back().glyphs.push_back(glyph);
    const std::pair<int, int> code(static_cast<int>(fonts_.size()) - 1, static_cast<int>(fonts_.back().glyphs.size()));
    codes_.emplace(glyph, code);
    return code;
}

void PdfPage::Glyphs(const QGlyphRun& run, QPointF offset, const QString& text) {
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    if (glyphs.isEmpty() || positions.size() != glyphs.size()) return;
    const std::string fontKey = GlyphTable::FontKey(run.rawFont());
    // Boxes stand for any character: they are read as the replacement one.
    const std::vector<char32_t> characters =
        fontKey == GlyphTable::kBoxes ? std::vector<char32_t>(static_cast<std::size_t>(glyphs.size()), U'\uFFFD')
                                      : CharactersOf(run, text);
    const double size = run.rawFont().pixelSize();
    GlyphTable& table = GlyphTable::Instance();
    content_ += "BT\n";
    int font = -1;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const auto [pageFont, code] =
            CodeOf(table.Of(run.rawFont(), fontKey, glyphs[i], characters[static_cast<std::size_t>(i)]));
        if (pageFont != font) {
            font = pageFont;
            content_ += "/F";
            AppendInt(content_, font);
            content_ += " 1 Tf\n";
        }
        // Glyph space runs up; the page runs down.
        Point(size, 0);
        Point(0, -size);
        Point(offset.x() + positions[i].x(), offset.y() + positions[i].y());
        content_ += "Tm <";
        AppendHex(content_, static_cast<unsigned>(code), 2);
        content_ += "> Tj\n";
    }
    content_ += "ET\n";
}

std::string PdfPage::Finish(const std::string& title) const {
    // Objects are numbered in the order they are written: the catalogue, the
    // page tree, the page, its content, then the fonts and images.
    std::vector<std::string> objects;
    auto add = [&](std::string body) {
        objects.push_back(std::move(body));
        return static_cast<int>(objects.size());
    };
    auto ref = [](int number) { return std::to_string(number) + " 0 R"; };
    const int info = add("");
    const int catalog = add("");
    const int pages = add("");
    const int page = add("");
    const std::string packed = Deflate(content_);
    add("<< /Length " + std::to_string(packed.size()) + " /Filter /FlateDecode >>\nstream\n" + packed + "\nendstream");
    const int content = page + 1;

    const GlyphTable& table = GlyphTable::Instance();
    std::string fontResources;
    for (std::size_t f = 0; f < fonts_.size(); ++f) {
        std::string procs;
        std::string differences;
        std::string widths;
        std::string unicode;
        int box[4] = {0, 0, 0, 0};
        int mapped = 0;
        for (std::size_t g = 0; g < fonts_[f].glyphs.size(); ++g) {
            const GlyphOutline glyph = table.At(fonts_[f].glyphs[g]);
            const int number = add("<< /Length " + std::to_string(glyph.proc.size()) +
                                   " /Filter /FlateDecode >>\nstream\n" + glyph.proc + "\nendstream");
            const std::string name = "/g" + std::to_string(g + 1);
            procs += name + ' ' + ref(number) + ' ';
            differences += name + ' ';
            widths += std::to_string(glyph.advance) + ' ';
            box[0] = std::min(box[0], glyph.box[0]);
            box[1] = std::min(box[1], glyph.box[1]);
            box[2] = std::max(box[2], glyph.box[2]);
            box[3] = std::max(box[3], glyph.box[3]);
            if (glyph.text.empty()) continue;
            unicode += '<';
            AppendHex(unicode, static_cast<unsigned>(g + 1), 2);
            unicode += "> <";
            AppendUtf16Hex(unicode, QString::fromUcs4(glyph.text.data(), static_cast<qsizetype>(glyph.text.size())));
            unicode += ">\n";
            ++mapped;
        }
        const std::string cmap =
            "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
            "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
            "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
            "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n" +
            std::to_string(mapped) + " beginbfchar\n" + unicode +
            "endbfchar\nendcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
        const int toUnicode = add("<< /Length " + std::to_string(cmap.size()) + " >>\nstream\n" + cmap + "endstream");
        const int font = add("<< /Type /Font /Subtype /Type3 /FontBBox [" + std::to_string(box[0]) + ' ' +
                             std::to_string(box[1]) + ' ' + std::to_string(box[2]) + ' ' + std::to_string(box[3]) +
                             "] /FontMatrix [0.001 0 0 0.001 0 0] /CharProcs << " + procs +
                             ">> /Encoding << /Type /Encoding /Differences [1 " + differences +
                             "] >> /FirstChar 1 /LastChar " + std::to_string(fonts_[f].glyphs.size()) + " /Widths [" +
                             widths + "] /ToUnicode " + ref(toUnicode) + " /Resources << >> >>");
        fontResources += "/F" + std::to_string(f) + ' ' + ref(font) + ' ';
    }

    std::string imageResources;
    for (std::size_t i = 0; i < images_.size(); ++i) {
        std::string body = images_[i].colours;
        if (!images_[i].mask.empty()) body.insert(body.find(" >>\nstream"), " /SMask " + ref(add(images_[i].mask)));
        imageResources += "/Im" + std::to_string(i) + ' ' + ref(add(std::move(body))) + ' ';
    }

    const std::string stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")).toStdString();
    // Any text, as UTF-16 with its byte order mark.
    std::string name = "<FEFF";
    AppendUtf16Hex(name, QString::fromStdString(title));
    name += '>';
    objects[static_cast<std::size_t>(info) - 1] =
        "<< /Title " + name + " /Creator " + name + " /Producer " + name + " /CreationDate (" + stamp + ") >>";
    objects[static_cast<std::size_t>(catalog) - 1] = "<< /Type /Catalog /Pages " + ref(pages) + " >>";
    objects[static_cast<std::size_t>(pages) - 1] = "<< /Type /Pages /Kids [" + ref(page) + "] /Count 1 >>";
    objects[static_cast<std::size_t>(page) - 1] = "<< /Type /Page /Parent " + ref(pages) + " /MediaBox [0 0 " +
                                                  std::to_string(width_) + ' ' + std::to_string(height_) +
                                                  "] /Contents " + ref(content) + " /Resources << /Font << " +
                                                  fontResources + ">> /XObject << " + imageResources + ">> >> >>";

    std::string out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    std::vector<std::size_t> offsets;
    offsets.reserve(objects.size());
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        char line[21];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        out.append(line, 20);
    }
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root " + ref(catalog) + " /Info " +
           ref(info) + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace isobra
