// isobra-render as a user runs it: a whole process, its exit status, its
// messages and the files it leaves.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run Render(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // it must choose offscreen itself
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ISOBRA_RENDER), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kExample = QStringLiteral(ISOBRA_EXAMPLES "/winter.dat");

}  // namespace

class RenderToolTest : public QObject {
    Q_OBJECT

private slots:
    void rendersTheExampleWithoutADisplay() {
        QTemporaryDir dir;
        const Run run = Render({kExample, "--png", dir.filePath("w.png"), "--cnt", dir.filePath("w.cnt"), "--dat",
                                dir.filePath("w.dat"), "--layers", "map,isobars,symbols,wind,fronts"});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QImage png(dir.filePath("w.png"));
        QCOMPARE(png.size(), QSize(400, 400));
        QCOMPARE(png.pixelColor(299, 99), QColor(0, 0, 255));  // the coastline's first point
        // The observation file comes back exactly as it was saved.
        QCOMPARE(ReadAll(dir.filePath("w.dat")), ReadAll(kExample));
        QVERIFY(ReadAll(dir.filePath("w.cnt")).endsWith("\r\n"));

        // The saved isobar file draws the same isobars.
        const Run again = Render({"--isobars", dir.filePath("w.cnt"), "--png", dir.filePath("i.png")});
        QVERIFY2(again.code == 0, qPrintable(again.err));
        const Run direct = Render({kExample, "--png", dir.filePath("d.png")});
        QCOMPARE(QImage(dir.filePath("i.png")), QImage(dir.filePath("d.png")));
    }

    // The 3-D view reaches x = 575: the PNG is then the whole canvas.
    void theSurfaceLayerFillsTheWholeCanvas() {
        QTemporaryDir dir;
        for (const char* layers : {"surface", "map,isobars,surface"}) {
            const QString png = dir.filePath(QStringLiteral("s.png"));
            const Run run = Render({kExample, "--png", png, "--layers", layers});
            QVERIFY2(run.code == 0, qPrintable(run.err));
            const QImage image(png);
            QCOMPARE(image.size(), QSize(635, 425));
            QVERIFY(image.pixelColor(575, 72) == QColor(0, 0, 255) || image.pixelColor(575, 73) == QColor(0, 0, 255));
        }
    }

    void wrongUseExitsTwoAndWritesNothing() {
        QTemporaryDir dir;
        const QString out = dir.filePath("x.png");
        for (const QStringList& args : {QStringList{}, QStringList{kExample},
                                        QStringList{kExample, "--png", out, "--interval", "0.1"},
                                        QStringList{kExample, "--png", out, "--layers", "map,clouds"},
                                        QStringList{kExample, "--bogus", "--png", out},
                                        QStringList{"--isobars", "a.cnt", "--cnt", out}}) {
            const Run run = Render(args);
            QCOMPARE(run.code, 2);
            QVERIFY(run.err.contains("usage:"));
            QVERIFY(!QFile::exists(out));
        }
        const Run help = Render({"--help"});
        QCOMPARE(help.code, 0);
        for (const char* option : {"--cnt", "--dat", "--png", "--isobars", "--interval", "--layers"})
            QVERIFY(help.out.contains(option));
    }

    void badInputExitsOneNamingFileAndLine() {
        QTemporaryDir dir;
        QByteArray bytes = ReadAll(kExample);
        bytes.truncate(bytes.size() / 3);
        const QString broken = dir.filePath("broken.dat");
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const QString png = dir.filePath("b.png");
        const Run run = Render({broken, "--png", png, "--cnt", dir.filePath("b.cnt")});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QRegularExpression("broken\\.dat:\\d+: ")), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(!QFile::exists(png));
        QVERIFY(!QFile::exists(dir.filePath("b.cnt")));

        const Run missing = Render({dir.filePath("none.dat"), "--png", png});
        QCOMPARE(missing.code, 1);
        QVERIFY(missing.err.contains("none.dat"));

        // A folder where the PNG must go: nothing half-written elsewhere either.
        QVERIFY(QDir(dir.path()).mkdir("taken.png"));
        const Run blocked = Render({kExample, "--cnt", dir.filePath("c.cnt"), "--png", dir.filePath("taken.png")});
        QCOMPARE(blocked.code, 1);
        QVERIFY(blocked.err.contains("taken.png"));
    }
};

QTEST_MAIN(RenderToolTest)
#include "RenderToolTest.moc"
