#pragma once

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace isobra::test {

// The first page of a PDF as poppler's pdftoppm draws it at `dpi` (72: a
// point a pixel); a null image when it cannot, the reason in `why`.
inline QImage PdfPage(const QByteArray& pdf, int dpi, QString* why = nullptr) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("in.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return {};
    file.close();
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {"-r", QString::number(dpi), "-png", "-singlefile", file.fileName(), dir.filePath(QStringLiteral("page"))});
    p.waitForFinished(60000);
    if (why) *why = "pdftoppm (poppler-utils): " + p.errorString() + QString::fromLocal8Bit(p.readAllStandardError());
    return QImage(dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
}

// The share of the raster's drawn pixels (not the ground colour) that find
// much the same colour within one pixel in `drawn`, a vector drawing of the
// same picture at the same size: near 1 when every line lies where it should.
inline double ShareOfInkFound(const QImage& raster, const QImage& drawn) {
    const QRgb ground = raster.pixel(raster.width() - 1, raster.height() - 1);
    auto near = [](QRgb a, QRgb b) {
        return qAbs(qRed(a) - qRed(b)) < 100 && qAbs(qGreen(a) - qGreen(b)) < 100 && qAbs(qBlue(a) - qBlue(b)) < 100;
    };
    int ink = 0, found = 0;
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            if (raster.pixel(x, y) == ground) continue;
            ++ink;
            bool hit = false;
            for (int d = 0; d < 9 && !hit; ++d)
                hit = drawn.valid(x + d % 3 - 1, y + d / 3 - 1) &&
                      near(drawn.pixel(x + d % 3 - 1, y + d / 3 - 1), raster.pixel(x, y));
            found += hit;
        }
    }
    return ink == 0 ? 1.0 : double(found) / ink;
}

}  // namespace isobra::test
