// A picture read by its content, as the window and isobra-render read every
// background picture: the input is the file. A picture is refused with a
// reason, or read whole, within the limits, in the form the canvas takes;
// whatever Qt itself decodes within the limits the program reads too, to
// the same pixels, and counts it a picture when it sorts files.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <cstdlib>

#include "FuzzSupport.h"
#include "QtFuzzSupport.h"
#include "widgets/PictureFile.h"

using namespace isobra;

namespace {

bool WithinLimits(const QImage& picture) { return qint64{picture.width()} * picture.height() <= kLargestPicturePixels; }

// A picture of more than 128 x 128 pixels within the limits takes the same
// road as a small one, only many times longer to decode twice (and larger
// than the sanitizer's cheap allocations): the search would drift to such
// pictures and slow to a crawl. Those larger than the limits stay in,
// refused by their header.
// A top-down BMP tells its height below zero.
qint64 PixelsOf(const QSize& size) { return std::abs(qint64{size.width()} * size.height()); }

bool LargeWithinLimits(const QSize& size) {
    const qint64 pixels = PixelsOf(size);
    return pixels > 128 * 128 && pixels <= kLargestPicturePixels;
}

QSize ToldSize(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QSize told = ToldSize(data, size);
    if (LargeWithinLimits(told)) return 0;
    // A header that tells a size beyond the limits must be refused: Qt would
    // only fill that many pixels to say the same. Some headers tell no size
    // (or another than the pixels have): such a picture is decoded once to
    // learn it.
    const bool toldBeyond = PixelsOf(told) > kLargestPicturePixels;
    const QImage plain = toldBeyond ? QImage() : QImage::fromData(data, static_cast<int>(size));
    if (LargeWithinLimits(plain.size())) return 0;
    static const fuzz::RunFolder folder("picture-fuzz");
    static const std::string path = folder.PathOf("picture");
    fuzz::WriteFile(path, fuzz::Bytes(data, size));

    const Result<QImage> read = ReadPictureFile(path);
    if (!read) {
        fuzz::Require(!read.message().empty(), "a picture refused is told why");
        fuzz::Require(plain.isNull() || !WithinLimits(plain), "what Qt decodes within the limits is read",
                      read.message());
        return 0;
    }
    fuzz::Require(!toldBeyond, "a picture whose header tells a size beyond the limits is refused");
    fuzz::Require(!read->isNull() && WithinLimits(*read), "a picture read is within the limits");
    fuzz::Require(read->format() == QImage::Format_RGB32, "a picture is read in the canvas's form");
    fuzz::Require(!plain.isNull() && plain.convertToFormat(QImage::Format_RGB32) == *read,
                  "a picture read is the picture Qt decodes");
    fuzz::Require(IsPictureFile(QString::fromStdString(path)), "a picture read counts as a picture");
    return 0;
}
