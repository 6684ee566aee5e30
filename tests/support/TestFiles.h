#pragma once

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtTest>

#include "canvas/MapCanvas.h"

namespace isobra::test {

// The winter example that ships with the program.
inline const QString kExample = QStringLiteral(ISOBRA_EXAMPLES "/winter.dat");

// The whole file, or nothing when it cannot be read.
inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A picture of one colour saved in the given format, whatever the name says.
inline void WritePicture(const QString& path, QColor colour, const char* format = "BMP",
                         QSize size = {kMapSize, kMapSize}) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, format));
}

// Everything in the folder by name, hidden entries (left-over temporary files) too.
inline QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

}  // namespace isobra::test
