#include <QTemporaryDir>
#include <QtTest>

#include "support/TestFiles.h"
#include "widgets/PictureFile.h"

using namespace isobra;

class PictureFileTest : public QObject {
    Q_OBJECT

private slots:
    // A picture is read by its content: a PNG named .bmp and a BMP named
    // .png both load; what is no picture is refused with a reason.
    void picturesLoadByContentWhateverTheirName() {
        QTemporaryDir dir;
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(qRgb(10, 20, 30));
        picture.setPixel(2, 1, qRgb(255, 0, 0));
        QVERIFY(picture.save(dir.filePath("png.bmp"), "PNG"));
        QVERIFY(picture.save(dir.filePath("bmp.png"), "BMP"));
        for (const char* name : {"png.bmp", "bmp.png"}) {
            const Result<QImage> read = ReadPictureFile(dir.filePath(name));
            QVERIFY2(read.ok(), name);
            const auto rgb = ToRgbImage(*read);
            QCOMPARE(rgb->width, 3);
            QCOMPARE(rgb->At(2, 1), MakeColour(255, 0, 0));
            QCOMPARE(rgb->At(0, 0), MakeColour(10, 20, 30));
            QCOMPARE(ToQImage(*rgb).pixel(2, 1), qRgb(255, 0, 0));
        }
        test::WriteAll(dir.filePath("notes.bmp"), "not a picture");
        QVERIFY(!ReadPictureFile(dir.filePath("notes.bmp")).ok());
        QVERIFY(!ReadPictureFile(dir.filePath("missing.bmp")).ok());
    }
};

QTEST_MAIN(PictureFileTest)
#include "PictureFileTest.moc"
