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

    // Too large a picture is refused by its header's size, too large a file
    // by its size on the disk, both before anything is decoded or read.
    void picturesTooLargeAreRefusedBeforeTheyAreRead() {
        QTemporaryDir dir;
        const struct {
            QSize size;
            const char* reason;  // nothing: read
        } cases[] = {{{8000, 8000}, "画像が大きすぎます（8000 x 8000）"},
                     {{4097, 4096}, "画像が大きすぎます（4097 x 4096）"},
                     {{4096, 4096}, nullptr},
                     {{16384, 1024}, nullptr}};
        for (const auto& c : cases) {
            QImage picture(c.size, QImage::Format_Mono);
            picture.fill(1);
            QVERIFY(picture.save(dir.filePath("p.png"), "PNG"));
            const Result<QImage> read = ReadPictureFile(dir.filePath("p.png"));
            QCOMPARE(read.ok(), !c.reason);
            if (c.reason) QCOMPARE(read.message(), std::string(c.reason));
            if (!c.reason) QCOMPARE(read->size(), c.size);
        }
        QFile sparse(dir.filePath("sparse.bmp"));  // 300 MB, nearly all holes
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.write("BM") == 2 && sparse.resize(qint64{300} << 20));
        sparse.close();
        QCOMPARE(ReadPictureFile(dir.filePath("sparse.bmp")).message(), std::string("画像が大きすぎます（300 MB）"));
    }
};

QTEST_MAIN(PictureFileTest)
#include "PictureFileTest.moc"
