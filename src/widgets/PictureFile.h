#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <string>

#include "canvas/RgbImage.h"
#include "model/Result.h"

namespace isobra {

// Reads a picture by its content, whatever its name says: BMP, PNG, JPEG and
// the other formats Qt reads. Pipes and devices are refused unread. A
// failure's message is a reason phrase for ReadFailureText.
Result<QImage> ReadPictureFile(const QString& path);

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
