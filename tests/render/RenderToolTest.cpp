// isobra-render as a user runs it: a whole process, its exit status, its
// messages and the files it leaves.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <set>

#include "canvas/MapCanvas.h"
#include "isobar/GridConstruction.h"
#include "isobar/IsobarInterval.h"
#include "isobar/LabelledIsobars.h"
#include "render/RenderLayers.h"
#include "state/AppState.h"
#include "support/TestFiles.h"
#include "support/VectorChecks.h"
#include "support/WinterExample.h"
#include "widgets/QImageCanvas.h"

using isobra::test::Entries;
using isobra::test::kExample;
using isobra::test::ReadAll;
using isobra::test::WriteAll;
using isobra::test::WritePicture;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run Render(const QStringList& args, const QString& workDir = {}) {
    QProcess p;
    if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // it must choose offscreen itself
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ISOBRA_RENDER), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QStringList kAllLayers{"--layers", "map,isobars,symbols,wind,fronts"};

// The example with the last digit of every pressure from 1000 to 1099 hPa
// set to `digit`: another map of the same winter day.
QByteArray Variant(int digit) {
    QByteArray bytes = ReadAll(kExample);
    for (qsizetype i = 0; i + 5 < bytes.size(); ++i)
        if (bytes.mid(i, 3) == " 10" && std::isdigit(bytes[i + 3]) && std::isdigit(bytes[i + 4]) && bytes[i + 5] == ' ')
            bytes[i + 4] = static_cast<char>('0' + digit);
    return bytes;
}

// The example computed in this process, as the tool computes it.
isobra::AppState Winter() {
    using namespace isobra;
    AppState state;
    const Status loaded = test::LoadWinterExample(state);
    if (!loaded) QTest::qFail(loaded.message().c_str(), __FILE__, __LINE__);
    (void)ComputePressureGrid(state.observations, state.field);
    return state;
}

QImage Drawn(const isobra::AppState& state, const std::vector<std::string>& layers) {
    isobra::QImageCanvas canvas;
    isobra::DrawLayers(canvas, state, layers);
    return canvas.Composite().copy(0, 0, isobra::kMapSize, isobra::kMapSize);
}

QImage Png(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

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
        QCOMPARE(png.size(), QSize(isobra::kMapSize, isobra::kMapSize));
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

    // As the window draws it: never from a grid not computed (node (0, 0)
    // not above 0), and without the background picture.
    void theSurfaceNeedsAComputedGridAndTakesThePictureAway() {
        QTemporaryDir dir;
        const QString cnt = QStringLiteral(ISOBRA_TEST_DATA "/winter-isobars.cnt");
        QByteArray flat = ReadAll(cnt);
        QVERIFY(flat.startsWith(" 102571 ,"));
        flat.replace(0, 7, "      0");
        WriteAll(dir.filePath("flat.cnt"), flat);
        const QString png = dir.filePath("s.png");
        const Run refused = Render({"--isobars", dir.filePath("flat.cnt"), "--png", png, "--layers", "map,surface"});
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.endsWith("flat.cnt: 「天気図」の「等圧線」で計算してから「立体表示」を選んでください。\n"),
                 qPrintable(refused.err));
        QVERIFY(!QFile::exists(png));

        WritePicture(dir.filePath("green.png"), QColor(0, 128, 0), "PNG", {635, 425});
        const Run drawn =
            Render({"--isobars", cnt, "--png", png, "--layers", "surface", "--background", dir.filePath("green.png")});
        QVERIFY2(drawn.code == 0, qPrintable(drawn.err));
        const QImage image = Png(png);
        QCOMPARE(image.size(), QSize(635, 425));
        QCOMPARE(image.pixelColor(5, 420), QColor(255, 255, 255));
        QVERIFY(image.pixelColor(575, 72) == QColor(0, 0, 255) || image.pixelColor(575, 73) == QColor(0, 0, 255));
    }

    void wrongUseExitsTwoAndWritesNothing() {
        QTemporaryDir dir;
        const QString out = dir.filePath("x.png");
        for (const QStringList& args :
             {QStringList{}, QStringList{kExample}, QStringList{kExample, "--png", out, "--interval", "0.1"},
              QStringList{kExample, "--png", out, "--layers", "map,clouds"},
              QStringList{kExample, "--bogus", "--png", out}, QStringList{"--isobars", "a.cnt", "--cnt", out},
              QStringList{kExample, "--png", out, "--interval", "3abc"},
              QStringList{kExample, "--wav", out, "--pace", "2"}, QStringList{kExample, "--png", out, "--pace", "1.0"},
              QStringList{"--from-script", "a.txt", "--isobars", "b.cnt", "--png", out},
              QStringList{"-platform", "offscreen", kExample, "--png", out}}) {
            const Run run = Render(args);
            QCOMPARE(run.code, 2);
            QVERIFY(run.err.contains("usage:"));
            QVERIFY(!QFile::exists(out));
        }
        // Two inputs that would both give same.png: nothing is made, not
        // even the folder.
        for (const char* sub : {"a", "b"}) {
            QVERIFY(QDir(dir.path()).mkpath(sub));
            WriteAll(dir.filePath(QString(sub) + "/same.dat"), ReadAll(kExample));
        }
        const Run clash =
            Render({"--out-dir", dir.filePath("out"), dir.filePath("a/same.dat"), dir.filePath("b/same.dat")});
        QCOMPARE(clash.code, 2);
        QVERIFY(clash.err.contains("same.png"));
        QVERIFY(!QFileInfo::exists(dir.filePath("out")));

        const Run help = Render({"--help"});
        QCOMPARE(help.code, 0);
        for (const char* option : {"--cnt", "--dat", "--png", "--isobars", "--interval", "--layers", "--labels",
                                   "--out-dir", "--jobs", "--script", "--wav", "--pace", "--from-script"})
            QVERIFY(help.out.contains(option));
    }

    // Files are compared by identity before anything is written: an output
    // that is the input under another name, or one file named twice, is
    // wrong use and leaves everything as it was.
    void outputsThatWouldReplaceTheInputOrEachOtherAreWrongUse() {
        QTemporaryDir dir;
        const QString obs = dir.filePath("obs.dat");
        WriteAll(obs, ReadAll(kExample));
        QVERIFY(QFile::link(obs, dir.filePath("map.svg")));
        const QString s = dir.filePath("s");
        for (const QStringList& args :
             {QStringList{obs, "--png", obs}, QStringList{obs, "--svg", dir.filePath("map.svg")},
              QStringList{obs, "--png", s, "--svg", dir.path() + "/./s"}}) {
            const Run run = Render(args);
            QCOMPARE(run.code, 2);
            QVERIFY2(run.err.startsWith("isobra-render: an output would replace the input " + obs + "\n") ||
                         run.err.startsWith("isobra-render: --png " + s + " and --svg " + dir.path() +
                                            "/./s are one file\n"),
                     qPrintable(run.err));
            QCOMPARE(ReadAll(obs), ReadAll(kExample));
            QCOMPARE(Entries(dir.path()), (QStringList{"map.svg", "obs.dat"}));
        }
    }

    // A picture too large is refused by its header and a broken one by its
    // content, each in the tool's one line: nothing of Qt's or libpng's.
    void aPictureTooLargeOrBrokenIsRefusedInOneLine() {
        QTemporaryDir dir;
        QImage big(8000, 8000, QImage::Format_Mono);
        big.fill(0);
        QVERIFY(big.save(dir.filePath("big.png"), "PNG"));
        WritePicture(dir.filePath("whole.png"), QColor(255, 0, 0), "PNG", {50, 50});
        WriteAll(dir.filePath("broken.png"), ReadAll(dir.filePath("whole.png")).chopped(40));
        const struct {
            const char* name;
            const char* reason;
        } cases[] = {{"big.png", "画像が大きすぎます（8000 x 8000）"},
                     {"broken.png", "画像の形式がわからないか、ファイルがこわれています"}};
        for (const auto& c : cases) {
            const Run run = Render({kExample, "--background", dir.filePath(c.name), "--png", dir.filePath("m.png")});
            QCOMPARE(run.code, 1);
            QCOMPARE(run.err,
                     QString("isobra-render: %1: 「%2」を読みこめませんでした（%3）。データは読みこむ前のままです。\n")
                         .arg(dir.filePath(c.name), c.name, c.reason));
            QVERIFY(!QFile::exists(dir.filePath("m.png")));
        }
    }

    void badInputExitsOneNamingFileAndLine() {
        QTemporaryDir dir;
        QByteArray bytes = ReadAll(kExample);
        bytes.truncate(bytes.size() / 3);
        const QString broken = dir.filePath("broken.dat");
        WriteAll(broken, bytes);
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

    // Three good files and a broken one: three maps, one message naming the
    // broken file and its line, and a closing count.
    void manyMapsSkipABrokenFile() {
        QTemporaryDir dir;
        for (int k = 1; k <= 3; ++k) WriteAll(dir.filePath(QString("map%1.dat").arg(k)), Variant(k));
        QByteArray broken = ReadAll(kExample);
        broken.truncate(broken.size() / 3);
        WriteAll(dir.filePath("broken.dat"), broken);
        const QString out = dir.filePath("out");
        const Run run = Render({"--out-dir", out, "--png", "--cnt", dir.filePath("map1.dat"),
                                dir.filePath("broken.dat"), dir.filePath("map2.dat"), dir.filePath("map3.dat")});
        QCOMPARE(run.code, 1);
        QCOMPARE(Entries(out), (QStringList{"map1.cnt", "map1.png", "map2.cnt", "map2.png", "map3.cnt", "map3.png"}));
        const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].contains(QRegularExpression("broken\\.dat:\\d+: ")), qPrintable(lines[0]));
        QVERIFY2(lines[1].contains(QRegularExpression("\\b3\\b.*\\b1\\b")), qPrintable(lines[1]));
        // Each map is the one its own file gives alone.
        const Run alone = Render({dir.filePath("map2.dat"), "--png", dir.filePath("alone.png")});
        QCOMPARE(alone.code, 0);
        QCOMPARE(Png(dir.filePath("out/map2.png")), Png(dir.filePath("alone.png")));
        QVERIFY(Png(dir.filePath("out/map2.png")) != Png(dir.filePath("out/map3.png")));
    }

    void twoThreadsWriteWhatOneWrites() {
        QTemporaryDir dir;
        QStringList inputs;
        for (int k = 0; k < 6; ++k) {
            inputs << dir.filePath(QString("m%1.dat").arg(k));
            WriteAll(inputs.back(), Variant(k));
        }
        QStringList outputs;
        QString messages;
        for (const char* jobs : {"1", "2"}) {
            const QString out = dir.filePath(QString("out") + jobs);
            const Run run =
                Render(QStringList{"--out-dir", out, "--jobs", jobs, "--png", "--cnt", "--dat", "--labels"} +
                       kAllLayers + inputs);
            QCOMPARE(run.code, 0);
            QCOMPARE(Entries(out).size(), 18);
            if (outputs.isEmpty()) {
                outputs = Entries(out);
                messages = run.err;
                continue;
            }
            QCOMPARE(Entries(out), outputs);
            QCOMPARE(run.err, messages);
            for (const QString& name : outputs)
                QVERIFY2(ReadAll(out + "/" + name) == ReadAll(dir.filePath("out1/" + name)), qPrintable(name));
        }
    }

    // Each input is all or nothing: an output that cannot be written takes
    // the others of its input with it, and no one else's.
    void anOutputThatCannotBeWrittenLeavesNoOther() {
        QTemporaryDir dir;
        const Run single = Render({kExample, "--cnt", dir.filePath("a.cnt"), "--png", dir.filePath("none/b.png")});
        QCOMPARE(single.code, 1);
        QVERIFY(single.err.contains("none/b.png"));
        QCOMPARE(Entries(dir.path()), QStringList());

        WriteAll(dir.filePath("a.dat"), Variant(1));
        WriteAll(dir.filePath("b.dat"), Variant(2));
        QVERIFY(QDir(dir.path()).mkpath("out/a.png"));  // a folder where a's map must go
        const Run many =
            Render({"--out-dir", dir.filePath("out"), "--cnt", "--png", dir.filePath("a.dat"), dir.filePath("b.dat")});
        QCOMPARE(many.code, 1);
        QVERIFY(many.err.contains("a.png"));
        QCOMPARE(Entries(dir.filePath("out")), (QStringList{"a.png", "b.cnt", "b.png"}));
    }

    // A pipe is refused unread (it would block for ever), a name need not be
    // UTF-8, and a name that looks like one of Qt's options is the tool's.
    void pipesOddNamesAndQtOptions() {
        QTemporaryDir dir;
        const QByteArray pipe = QFile::encodeName(dir.filePath("pipe.dat"));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        WriteAll(dir.filePath("good.dat"), ReadAll(kExample));
        const Run fifo = Render({"--out-dir", dir.filePath("out"), dir.filePath("pipe.dat"), dir.filePath("good.dat")});
        QCOMPARE(fifo.code, 1);
        QVERIFY2(fifo.err.contains("pipe.dat: "), qPrintable(fifo.err));
        QCOMPARE(Entries(dir.filePath("out")), QStringList{"good.png"});

        // "caf\xe9.dat" in Latin-1 bytes, made and named by the shell.
        QProcess sh;
        sh.setWorkingDirectory(dir.path());
        sh.start("/bin/sh", {"-c",
                             "cp \"$1\" \"$(printf 'caf\\351.dat')\" && "
                             "exec \"$0\" \"$(printf 'caf\\351.dat')\" --png \"$(printf 'caf\\351.png')\"",
                             QStringLiteral(ISOBRA_RENDER), kExample});
        QVERIFY(sh.waitForFinished(60000));
        QCOMPARE(sh.exitCode(), 0);
        struct stat info {};
        QCOMPARE(::stat((QFile::encodeName(dir.path()) + "/caf\xe9.png").constData(), &info), 0);

        WriteAll(dir.filePath("-platform"), ReadAll(kExample));
        const Run platform = Render({"--png", "p.png", "--", "-platform"}, dir.path());
        QVERIFY2(platform.code == 0, qPrintable(platform.err));
        QVERIFY(QFile::exists(dir.filePath("p.png")));
    }

    // --interval reaches the drawing, worked out in double precision: 2.1
    // hPa draws what a spacing of exactly 210 grid units draws.
    void theIntervalIsTakenExactly() {
        QTemporaryDir dir;
        const Run run = Render({kExample, "--png", dir.filePath("i.png"), "--interval", "2.1"});
        QCOMPARE(run.code, 0);
        isobra::AppState state = Winter();
        const QImage usual = Drawn(state, {"map", "isobars"});
        isobra::SetIsobarInterval(state.field.grid, 2.1);
        QCOMPARE(state.field.grid.isobarInterval, 210.0f);
        QCOMPARE(Png(dir.filePath("i.png")), Drawn(state, {"map", "isobars"}));
        QVERIFY(Png(dir.filePath("i.png")) != usual);
        state.field.grid.isobarInterval = 2.1f * 100.0f;  // single precision: a different picture
        state.field.grid.isobarHalfInterval = state.field.grid.isobarInterval / 2.0f;
        QVERIFY(Png(dir.filePath("i.png")) != Drawn(state, {"map", "isobars"}));
    }

    // On the PNG itself: inside each value's box there is nothing but the
    // value's own glyphs.
    void labelsSitOnNothingElse() {
        QTemporaryDir dir;
        const Run run = Render(QStringList{kExample, "--png", dir.filePath("l.png"), "--labels"} + kAllLayers);
        QCOMPARE(run.code, 0);
        const QImage png = Png(dir.filePath("l.png"));
        isobra::AppState state = Winter();
        state.labelIsobars = true;
        QCOMPARE(png, Drawn(state, {"map", "isobars", "symbols", "wind", "fronts"}));

        const isobra::PressureField& f = state.field;
        const isobra::IsobarLayout layout =
            isobra::LayOutIsobars(f.pressureGrid, f.grid, f.grid.isobarInterval, f.grid.isobarHalfInterval,
                                  state.observations, f.plotTable, state.coastline, isobra::LabelStyle{});
        QVERIFY(layout.labels.size() >= 20);
        isobra::QImageCanvas glyphs;
        for (const isobra::IsobarLabel& label : layout.labels)
            glyphs.DrawTextAt(static_cast<float>(label.at.x), static_cast<float>(label.at.y), label.text,
                              isobra::TextSize::Small);
        const QRgb white = qRgb(255, 255, 255);
        for (const isobra::IsobarLabel& label : layout.labels)
            for (int y = label.box.y1; y <= label.box.y2; ++y)
                for (int x = label.box.x1; x <= label.box.x2; ++x)
                    if (png.pixel(x, y) != white)
                        QVERIFY2(png.pixel(x, y) == qRgb(0, 0, 0) && glyphs.ReadPixel(x, y) == 0,
                                 qPrintable(QString("%1: %2,%3").arg(label.text.c_str()).arg(x).arg(y)));
    }

    // The report's script reads back into the same observations and the
    // same map; a script that cannot be read names its line and leaves no
    // file; what needs no grid is written without pressures.
    void theScriptReadsBackIntoTheSameReport() {
        QTemporaryDir dir;
        const Run script = Render({kExample, "--script", dir.filePath("w.txt"), "--png", dir.filePath("w.png")});
        QVERIFY2(script.code == 0, qPrintable(script.err));
        QVERIFY(ReadAll(dir.filePath("w.txt"))
                    .startsWith("各地の天気です。\n石垣島では、北の風、風力3、くもり、1024ヘクトパスカル、19度。\n"));
        const Run back = Render(
            {"--from-script", dir.filePath("w.txt"), "--dat", dir.filePath("b.dat"), "--png", dir.filePath("b.png")});
        QVERIFY2(back.code == 0, qPrintable(back.err));
        QCOMPARE(ReadAll(dir.filePath("b.dat")), ReadAll(kExample));
        QCOMPARE(Png(dir.filePath("b.png")), Png(dir.filePath("w.png")));

        WriteAll(dir.filePath("bad.txt"), "石垣島では、北の風、風力3。\n東京では、晴れ。\n");
        const Run bad = Render({"--from-script", dir.filePath("bad.txt"), "--dat", dir.filePath("x.dat")});
        QCOMPARE(bad.code, 1);
        QVERIFY2(bad.err.contains("bad.txt:2: 2行目の「東京」という観測地点はありません。"), qPrintable(bad.err));
        QVERIFY(!QFile::exists(dir.filePath("x.dat")));

        WriteAll(dir.filePath("ship.txt"), "北緯30度、東経135度の船では、南の風、風力4。\n");
        const Run ship = Render({"--from-script", dir.filePath("ship.txt"), "--dat", dir.filePath("s.dat")});
        QVERIFY2(ship.code == 0, qPrintable(ship.err));
        QVERIFY(ReadAll(dir.filePath("s.dat")).contains("  30 , 135 ,"));
        QCOMPARE(Render({"--from-script", dir.filePath("ship.txt"), "--png", dir.filePath("s.png")}).code, 1);
    }

    // A short report read aloud: a WAV that is not silent and grows as the
    // pace slows.
    void theSpokenReportIsAWaveThatGrowsAsThePaceSlows() {
        QTemporaryDir dir;
        const QString input = QStringLiteral(ISOBRA_TEST_DATA "/katakana-and-frost.dat");
        qint64 previous = 0;
        for (const char* pace : {"1.25", "1.0", "0.75"}) {
            const QString wav = dir.filePath(QString("r%1.wav").arg(pace));
            const Run run = Render({input, "--wav", wav, "--pace", pace});
            QVERIFY2(run.code == 0, qPrintable(run.err));
            const QByteArray bytes = ReadAll(wav);
            QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt ");
            QVERIFY2(bytes.size() > previous * 6 / 5, pace);
            previous = bytes.size();
            qint64 loud = 0;
            for (qsizetype i = 44; i + 1 < bytes.size(); i += 2)
                loud += std::abs(qint16(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8))) > 3000;
            QVERIFY2(loud > 1000, pace);
        }
    }

    void convertWritesTheBmpBesideTheSourceOrRefusesLeavingNoFile() {
        QTemporaryDir dir;
        for (const char* plane : {"pic.b1", "pic.r1", "PIC.G1", "pic.E1", "bad.b1", "bad.r1"})
            WriteAll(dir.filePath(plane), QByteArray(32000, '\x55'));
        WriteAll(dir.filePath("FORG.00A"), QByteArray(320000, '\x55'));
        WriteAll(dir.filePath("forg.001"), QByteArray(319900, 0));
        for (const auto& [source, bmp] : {std::pair{"pic.b1", "pic.BMP"}, std::pair{"FORG.00A", "FORG.BMP"}}) {
            const Run run = Render({"--convert", dir.filePath(source)});
            QVERIFY2(run.code == 0, qPrintable(run.err));
            QCOMPARE(run.out, dir.filePath(bmp) + "\n");
            QCOMPARE(QFileInfo(dir.filePath(bmp)).size(), 80118);
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const char* source : {"bad.b1", "forg.001", "pic.BMP"}) {
            const Run run = Render({"--convert", dir.filePath(source)});
            QCOMPARE(run.code, 1);
            QVERIFY2(run.err.contains(QStringLiteral("「%1」を変換できませんでした").arg(source)), qPrintable(run.err));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
        }
        QCOMPARE(Render({kExample, "--convert", dir.filePath("pic.b1")}).code, 2);
    }

    void backgroundPutsTheLayersOverAPictureReadByContent() {
        QTemporaryDir dir;
        WritePicture(dir.filePath("sat.bmp"), QColor(255, 0, 0), "PNG", {500, 300});  // a PNG whatever its name says
        const Run run = Render({kExample, "--background", dir.filePath("sat.bmp"), "--png", dir.filePath("m.png")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QImage map(dir.filePath("m.png"));
        QCOMPARE(map.pixelColor(2, 2), QColor(255, 0, 0));
        QCOMPARE(map.pixelColor(2, 350), QColor(255, 255, 255));  // below the picture
        QCOMPARE(map.pixelColor(299, 99), QColor(0, 0, 255));     // the coastline over it

        WriteAll(dir.filePath("broken.bmp"), "BM not a picture");
        const Run broken =
            Render({kExample, "--background", dir.filePath("broken.bmp"), "--png", dir.filePath("b.png")});
        QCOMPARE(broken.code, 1);
        QVERIFY(broken.err.contains("broken.bmp"));
        QVERIFY(!QFile::exists(dir.filePath("b.png")));
    }

    // The vectors of the same picture: its size, a background picture under
    // the lines.
    void svgAndPdfAreThePictureAsVectors() {
        QTemporaryDir dir;
        WritePicture(dir.filePath("sat.png"), QColor(255, 0, 0), "PNG", {500, 300});
        const Run run = Render({kExample, "--background", dir.filePath("sat.png"), "--png", dir.filePath("m.png"),
                                "--svg", dir.filePath("m.svg"), "--pdf", dir.filePath("m.pdf")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY(ReadAll(dir.filePath("m.svg")).contains("viewBox=\"0 0 400 400\""));
        QString why;
        const QImage page = isobra::test::PdfPage(ReadAll(dir.filePath("m.pdf")), 72, &why);
        QVERIFY2(page.size() == QSize(isobra::kMapSize, isobra::kMapSize), qPrintable(why));
        QVERIFY(qAbs(page.pixelColor(2, 2).red() - 255) < 5 &&
                page.pixelColor(2, 2).green() < 5);  // the picture inside
        QCOMPARE(page.pixelColor(299, 99), QImage(dir.filePath("m.png")).pixelColor(299, 99));
    }
};

QTEST_MAIN(RenderToolTest)
#include "RenderToolTest.moc"
