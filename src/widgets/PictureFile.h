#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <string>

#include "canvas/RgbImage.h"
#include "model/Result.h"

namespace isobra {

// The largest picture taken: 16,777,216 pixels (4096 x 4096, or 8192 x
// 2048...). Only the top left 635 x 425 of a picture ever shows on the map,
// but a picture is kept whole (it can be saved again), twice over at four
// bytes a pixel, and is decoded once more on the way in: at this size that
// is about 200 MB at the height of a load, 128 MB held. The satellite
// pictures the converters make have 160,000 pixels.
inline constexpr qint64 kLargestPicturePixels = qint64{4096} * 4096;
// The largest picture file: such a picture stored without compression at
// eight bytes a pixel (16-bit RGBA), with room for its headers.
inline constexpr qint64 kLargestPictureBytes = kLargestPicturePixels * 8 + (qint64{1} << 20);

// Reads a picture by its content, whatever its name says: BMP, PNG, JPEG and
// the other formats Qt reads. Pipes and devices are refused unread; a file
// larger than kLargestPictureBytes before it is read, a picture of more
// than kLargestPicturePixels as soon as its header gives its size
// ("画像が大きすぎます（8000 x 8000）"). A failure's message is a reason
// phrase for ReadFailureText.
Result<QImage> ReadPictureFile(const QString& path);
// The same for a path in the system's bytes (a name need not be UTF-8).
Result<QImage> ReadPictureFile(const std::string& path);

// The picture as a BMP file (24 bits a pixel): what "画像の保存" writes.
Result<std::string> EncodeBmpFile(const RgbImage& picture);

// The picture as a PNG file, at Qt's PNG quality (-1 for its default).
Result<std::string> EncodePngFile(const QImage& picture, int quality = -1);

// Whether a regular file holds a picture Qt reads, judged by its first
// bytes, whatever its name says.
bool IsPictureFile(const QString& path);

// The picture as the canvas keeps its background.
std::shared_ptr<const RgbImage> ToRgbImage(const QImage& picture);
QImage ToQImage(const RgbImage& picture);

}  // namespace isobra
