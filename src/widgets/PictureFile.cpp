#include "widgets/PictureFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <optional>

#include "model/FileAccess.h"
#include "widgets/QtText.h"

namespace isobra {

namespace {

// Satellite pictures are large, but not this large.
constexpr std::size_t kMaxPictureBytes = std::size_t{256} << 20;

// The picture's bytes in a format Qt writes, nothing when it cannot.
std::optional<std::string> Encoded(const QImage& picture, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format, quality)) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace

Result<QImage> ReadPictureFile(const QString& path) {
    const Result<std::string> bytes = ReadWholeFile(ToUtf8(path), kMaxPictureBytes);
    if (!bytes) return bytes.failure();
    QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
    if (picture.isNull()) return Result<QImage>::Fail("画像の形式がわからないか、ファイルがこわれています");
    return picture.convertToFormat(QImage::Format_RGB32);
}

Result<std::string> EncodeBmpFile(const RgbImage& picture) {
    if (picture.width <= 0 || picture.height <= 0) return Result<std::string>::Fail("画像が空です");
    const std::optional<std::string> bmp = Encoded(ToQImage(picture), "BMP", -1);
    if (!bmp) return Result<std::string>::Fail("ＢＭＰ形式にできませんでした");
    return *bmp;
}

Result<std::string> EncodePngFile(const QImage& picture, int quality) {
    const std::optional<std::string> png = Encoded(picture, "PNG", quality);
    if (!png) return Result<std::string>::Fail("PNG を作れませんでした");
    return *png;
}

bool IsPictureFile(const QString& path) {
    // Only regular files: a pipe would keep the reader waiting.
    if (!QFileInfo(path).isFile()) return false;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}

std::shared_ptr<const RgbImage> ToRgbImage(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    auto out = std::make_shared<RgbImage>(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            out->Set(x, y, MakeColour(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
    }
    return out;
}

QImage ToQImage(const RgbImage& picture) {
    QImage out(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            line[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
        }
    }
    return out;
}

}  // namespace isobra
