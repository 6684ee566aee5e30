#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>

namespace isobra::test {

// The first page of a PDF as poppler's pdftoppm draws it at `dpi` (72: one
// point one pixel); a null image when it cannot, the reason in `why`.
inline QImage PdfPage(const QByteArray& pdf, int dpi, QString* why = nullptr) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) {
        if (why) *why = QStringLiteral("pdftoppm is missing: scripts/deps.sh installs poppler-utils");
        return {};
    }
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("in.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return {};
    file.close();
    QProcess p;
    p.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                   file.fileName(), dir.filePath(QStringLiteral("page"))});
    p.waitForFinished(60000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (why) *why = QString::fromLocal8Bit(p.readAllStandardError());
        return {};
    }
    return QImage(dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
}

// The text `pdftotext` finds in a PDF.
inline QString PdfText(const QByteArray& pdf) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("in.pdf")));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(pdf);
    file.close();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// How many of the raster's pixels that are not the ground find a pixel of
// much the same colour within one pixel in `drawn` (a vector drawing of the
// same picture at the same size): 1.0 when every line lies where it should.
inline double ShareOfInkFound(const QImage& raster, const QImage& drawn) {
    const QRgb ground = raster.pixel(raster.width() - 1, raster.height() - 1);
    auto near = [](QRgb a, QRgb b) {
        return qAbs(qRed(a) - qRed(b)) < 100 && qAbs(qGreen(a) - qGreen(b)) < 100 && qAbs(qBlue(a) - qBlue(b)) < 100;
    };
    int ink = 0, found = 0;
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const QRgb c = raster.pixel(x, y);
            if (c == ground) continue;
            ++ink;
            bool hit = false;
            for (int dy = -1; dy <= 1 && !hit; ++dy)
                for (int dx = -1; dx <= 1 && !hit; ++dx)
                    hit = drawn.valid(x + dx, y + dy) && near(drawn.pixel(x + dx, y + dy), c);
            if (hit) ++found;
        }
    }
    return ink == 0 ? 1.0 : static_cast<double>(found) / ink;
}

// What an SVG document holds, by element: how many of each, the texts, and
// the stroke styles in force on the shapes.
struct SvgCensus {
    std::map<QString, int> elements;
    QStringList texts;
    QStringList strokeWidths;  // of every shape drawn with a stroke
    QStringList vectorEffects;
    int polylinesIn(const QString& colour) const {
        return polylinesByColour.count(colour) ? polylinesByColour.at(colour) : 0;
    }
    std::map<QString, int> polylinesByColour;
    QString viewBox;
    bool parsed = false;
};

inline SvgCensus TakeSvgCensus(const QByteArray& svg) {
    SvgCensus census;
    QXmlStreamReader xml(svg);
    QStringList strokes{QStringLiteral("none")}, widths{QString()};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            strokes.removeLast();
            widths.removeLast();
        }
        if (!xml.isStartElement()) continue;
        const QString name = xml.name().toString();
        const QXmlStreamAttributes a = xml.attributes();
        if (name == QLatin1String("svg")) census.viewBox = a.value(QLatin1String("viewBox")).toString();
        if (name == QLatin1String("g")) {
            strokes << (a.hasAttribute(QLatin1String("stroke")) ? a.value(QLatin1String("stroke")).toString()
                                                                : strokes.last());
            widths << (a.hasAttribute(QLatin1String("stroke-width")) ? a.value(QLatin1String("stroke-width")).toString()
                                                                     : widths.last());
            continue;
        }
        ++census.elements[name];
        if (name == QLatin1String("text")) census.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (name == QLatin1String("polyline")) ++census.polylinesByColour[strokes.last()];
        if ((name == QLatin1String("polyline") || name == QLatin1String("ellipse") || name == QLatin1String("path")) &&
            strokes.last() != QLatin1String("none")) {
            census.strokeWidths << widths.last();
            census.vectorEffects << a.value(QLatin1String("vector-effect")).toString();
        }
    }
    census.parsed = !xml.hasError();
    return census;
}

}  // namespace isobra::test
