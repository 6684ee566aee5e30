#include "widgets/PictureFile.h"

#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <optional>

#include "model/FileAccess.h"
#include "widgets/QtText.h"

namespace isobra {

namespace {

// What Qt's readers may allocate for one picture, in megabytes: the
// largest picture taken in the widest form Qt decodes into (eight bytes a
// pixel). Qt's own limit would refuse some pictures taken here and let much
// larger ones through for formats whose size only shows when decoded.
constexpr int kAllocationLimitMb = static_cast<int>(kLargestPicturePixels * 8 >> 20);

bool TooLarge(const QSize& size) { return qint64{size.width()} * size.height() > kLargestPicturePixels; }

std::string TooLargeText(const std::string& size) { return "画像が大きすぎます（" + size + "）"; }
std::string TooLargeText(const QSize& size) {
    return TooLargeText(std::to_string(size.width()) + " x " + std::to_string(size.height()));
}

// The picture's bytes in a format Qt writes, nothing when it cannot.
std::optional<std::string> Encoded(const QImage& picture, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format, quality)) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace

Result<QImage> ReadPictureFile(const QString& path) { return ReadPictureFile(QFile::encodeName(path).toStdString()); }

Result<QImage> ReadPictureFile(const std::string& path) {
    std::uint64_t size = 0;
    if (const Result<int> fd = OpenForReading(path, size); !fd) {
        return fd.failure();
    } else {
        ::close(*fd);
    }
    if (size > static_cast<std::uint64_t>(kLargestPictureBytes))
        return Result<QImage>::Fail(TooLargeText(std::to_string((size + (1u << 20) - 1) >> 20) + " MB"));
    Result<std::string> bytes = ReadWholeFile(path, static_cast<std::size_t>(kLargestPictureBytes));
    if (!bytes) return bytes.failure();

    // Decoded from memory, as Qt's readers expect (some seek as only a
    // buffer lets them).
    QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(kAllocationLimitMb);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // The header first: a picture too large is refused before it is decoded.
    // (A BMP stored top row first gives a negative height.)
    if (const QSize header = reader.size(); header != QSize()) {
        const QSize size(qAbs(header.width()), qAbs(header.height()));
        if (TooLarge(size)) return Result<QImage>::Fail(TooLargeText(size));
    }
    const QImage picture = reader.read();
    if (picture.isNull()) return Result<QImage>::Fail("画像の形式がわからないか、ファイルがこわれています");
    if (TooLarge(picture.size())) return Result<QImage>::Fail(TooLargeText(picture.size()));
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
