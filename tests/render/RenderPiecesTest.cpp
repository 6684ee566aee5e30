// The pieces of isobra-render that a whole run cannot pin down: the reading
// of the command line, the names under --out-dir, the PNG packing, the
// progress line and the last-resort handler.
#include <unistd.h>

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>

#include "isobar/GridConstruction.h"
#include "isobar/IsobarInterval.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "render/LastResort.h"
#include "render/MapRenderer.h"
#include "render/OutputKinds.h"
#include "render/PngEncoding.h"
#include "render/ProgressLine.h"
#include "render/RenderLayers.h"
#include "render/RenderOptions.h"
#include "render/RenderPlan.h"
#include "state/AppState.h"
#include "support/CurrentFolder.h"
#include "support/TestFiles.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;

namespace {

using Args = std::vector<std::string>;

QString Joined(const Args& args) {
    QStringList out;
    for (const std::string& a : args) out << QString::fromStdString(a);
    return out.join(' ');
}

QStringList OutputsOf(const RenderOptions& o) {
    QStringList out;
    for (const OutputRequest& r : o.outputs) out << QString::fromUtf8(r.kind->option.data()) + "=" + r.path.c_str();
    return out;
}

}  // namespace

class RenderPiecesTest : public QObject {
    Q_OBJECT

private slots:
    void commandLinesThatAreWrong() {
        const Args wrong[] = {
            {},
            {"a.dat"},  // nothing to write
            {"a.dat", "--png", "o.png", "--interval", "3abc"},
            {"a.dat", "--png", "o.png", "--interval", "0.4"},
            {"a.dat", "--png", "o.png", "--interval", "0x3"},
            {"a.dat", "--png", "o.png", "--interval", ""},
            {"a.dat", "b.dat", "--png", "o.png"},           // many files need --out-dir
            {"a.dat", "--png", "o.png", "--png", "p.png"},  // an output twice
            {"a.dat", "--png", "o.png", "--jobs", "2"},     // threads only for many maps
            {"--out-dir", "d", "--jobs", "0", "a.dat"},
            {"--out-dir", "d", "--jobs", "2x", "a.dat"},
            {"--out-dir", "d"},  // no input
            {"--out-dir", "d", "--isobars", "a.cnt"},
            {"--isobars", "a.cnt", "--cnt", "o.cnt"},
            {"-platform", "offscreen", "--png", "o.png"},  // Qt's options are not the tool's
            {"a.dat", "--png"},
        };
        for (const Args& args : wrong) {
            const CommandLine line = ParseCommandLine(args);
            QVERIFY2(line.action == CommandLine::Action::WrongUse, qPrintable(Joined(args)));
            QVERIFY(!line.problem.empty());
        }
    }

    void commandLinesThatAreRight() {
        const struct {
            Args args;
            QStringList inputs;
            QStringList outputs;
        } cases[] = {
            {{"a.dat", "--png", "o.png", "--cnt", "o.cnt"}, {"a.dat"}, {"--cnt=o.cnt", "--png=o.png"}},
            {{"--out-dir", "d", "a.dat", "b.dat"}, {"a.dat", "b.dat"}, {"--png="}},  // PNG unless told
            {{"--png", "--out-dir", "d", "--dat", "a.dat"}, {"a.dat"}, {"--dat=", "--png="}},
            {{"--png", "o.png", "--", "-platform"}, {"-platform"}, {"--png=o.png"}},
            {{"--isobars", "i.cnt", "--png", "o.png"}, {"i.cnt"}, {"--png=o.png"}},
        };
        for (const auto& c : cases) {
            const CommandLine line = ParseCommandLine(c.args);
            QVERIFY2(line.action == CommandLine::Action::Render,
                     qPrintable(Joined(c.args) + ": " + line.problem.c_str()));
            QStringList inputs;
            for (const std::string& input : line.options.inputs) inputs << QString::fromStdString(input);
            QCOMPARE(inputs, c.inputs);
            QCOMPARE(OutputsOf(line.options), c.outputs);
        }
        const CommandLine help = ParseCommandLine({"a.dat", "--help"});
        QVERIFY(help.action == CommandLine::Action::Help);
    }

    // The spacing is worked out in double precision: 2.1 hPa is 210 grid
    // units, not the 209.99998 of single precision.
    void intervalsAreExactAndOptionsReachTheOptions() {
        const CommandLine line = ParseCommandLine(
            {"a.dat", "--png", "o.png", "--interval", "2.1", "--labels", "--layers", "isobars,fronts"});
        QVERIFY(line.action == CommandLine::Action::Render);
        GridSettings grid;
        SetIsobarInterval(grid, line.options.intervalHpa);
        QCOMPARE(grid.isobarInterval, 210.0f);
        QCOMPARE(grid.isobarHalfInterval, 105.0f);
        QVERIFY(line.options.labels);
        QCOMPARE(line.options.layers, (std::vector<std::string>{"isobars", "fronts"}));
        const CommandLine many = ParseCommandLine({"--out-dir", "d", "--jobs", "3", "a.dat"});
        QCOMPARE(many.options.jobs, 3);
        QCOMPARE(many.options.outDir, std::string("d"));
    }

    void namesUnderTheFolderAndTheirClashes() {
        const struct {
            const char* input;
            const char* stem;
        } stems[] = {{"obs/winter.dat", "winter"}, {"winter", "winter"}, {"a.b.dat", "a.b"},
                     {"obs/.dat", ".dat"},         {"./x.DAT", "x"},     {"caf\xe9.dat", "caf\xe9"}};
        for (const auto& s : stems) QCOMPARE(OutputStem(s.input), std::string(s.stem));

        RenderOptions o;
        o.outDir = "out/";
        o.outputs = {{FindOutputKind("--cnt"), {}}, {FindOutputKind("--png"), {}}};
        o.inputs = {"a/one.dat", "b/two.dat"};
        const auto jobs = PlanJobs(o);
        QVERIFY(jobs.ok());
        QCOMPARE(jobs->at(1).outputs.at(0).path, std::string("out/two.cnt"));
        QCOMPARE(jobs->at(1).outputs.at(1).path, std::string("out/two.png"));

        o.inputs = {"a/one.dat", "b/one.dat"};
        const auto clash = PlanJobs(o);
        QVERIFY(!clash.ok());
        QVERIFY(clash.message().find("a/one.dat and b/one.dat") != std::string::npos);

        o.inputs = {"out/one.cnt"};  // its own output would replace it
        QVERIFY(!PlanJobs(o).ok());

        RenderOptions single;
        single.inputs = {"a.dat"};
        single.outputs = {{FindOutputKind("--cnt"), "same"}, {FindOutputKind("--png"), "same"}};
        QVERIFY(!PlanJobs(single).ok());
    }

    // Files are one when the system says so, whatever their spelling: an
    // output never replaces an input, and no file is written twice.
    void outputsAreToldApartFromInputsAndEachOtherByIdentity() {
        QTemporaryDir dir;
        const test::CurrentFolder keep;
        QDir::setCurrent(dir.path());
        QVERIFY(QDir().mkdir("sub"));
        for (const char* name : {"obs.dat", "sat.png", "i.cnt"}) test::WriteAll(name, "x");
        QVERIFY(QFile::link("obs.dat", "map.svg"));
        QVERIFY(QFile::link("s.png", "dangling.png"));     // to an output still to be made
        QVERIFY(QFile::link("none.txt", "dangling.txt"));  // to an input that is missing
        QCOMPARE(::link("obs.dat", "hard.dat"), 0);
        const struct {
            Args args;
            const char* problem;  // nothing: the plan is taken
        } cases[] = {
            {{"obs.dat", "--png", "obs.dat"}, "an output would replace the input obs.dat"},
            {{"obs.dat", "--svg", "map.svg"}, "an output would replace the input obs.dat"},
            {{"obs.dat", "--cnt", "hard.dat"}, "an output would replace the input obs.dat"},
            {{"obs.dat", "--dat", "sub/../obs.dat"}, "an output would replace the input obs.dat"},
            {{"./obs.dat", "--dat", dir.filePath("obs.dat").toStdString()}, "replace the input ./obs.dat"},
            {{"--isobars", "i.cnt", "--png", "./i.cnt"}, "replace the input i.cnt"},
            {{"--from-script", "none.txt", "--dat", "dangling.txt"}, "replace the input none.txt"},
            {{"obs.dat", "--background", "sat.png", "--png", "./sat.png"}, "replace the input sat.png"},
            {{"--out-dir", ".", "--dat", "obs.dat"}, "replace the input obs.dat"},
            {{"--out-dir", "sub/..", "--background", "sat.png", "sat.dat"}, "replace the input sat.png"},
            {{"obs.dat", "--png", "s.png", "--svg", "./s.png"}, "--png s.png and --svg ./s.png are one file"},
            {{"obs.dat", "--png", "s.png", "--svg", "dangling.png"}, "are one file"},
            {{"obs.dat", "--png", "sub/../s.png", "--pdf", "s.png"}, "are one file"},
            {{"--out-dir", "out", "obs.dat", "sub/../obs.dat"}, "would both write out/obs.png"},
            {{"obs.dat", "--png", "sub/s.png", "--svg", "s.png", "--dat", "sub/obs.dat"}, nullptr},
            {{"--out-dir", "sub", "--dat", "obs.dat", "hard.dat"}, nullptr},
        };
        for (const auto& c : cases) {
            const CommandLine line = ParseCommandLine(c.args);
            QVERIFY2(line.action == CommandLine::Action::Render, qPrintable(Joined(c.args)));
            const auto plan = PlanJobs(line.options);
            QVERIFY2(plan.ok() == !c.problem, qPrintable(Joined(c.args) + ": " + plan.message().c_str()));
            if (c.problem)
                QVERIFY2(plan.message().find(c.problem) != std::string::npos,
                         qPrintable(Joined(c.args) + ": " + plan.message().c_str()));
        }
    }

    // Every width, every bit depth: the packing of the last byte of a row
    // is where a PNG writer goes wrong.
    void palettePngsDecodeToTheirPixels() {
        std::mt19937 random(5);
        for (const int colours : {1, 2, 3, 4, 5, 16, 17, 256}) {
            for (const int width : {1, 7, 8, 13, 400}) {
                IndexedPicture p;
                p.width = width;
                p.height = 3;
                for (int k = 0; k < colours; ++k) p.palette.push_back(qRgb(k, 255 - k, (k * 37) % 256));
                for (int k = 0; k < width * 3; ++k) p.pixels.push_back(static_cast<std::uint8_t>(random() % colours));
                const std::string png = EncodePng(p);
                QImage back;
                QVERIFY(
                    back.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"));
                QCOMPARE(back.size(), QSize(width, 3));
                for (int y = 0; y < 3; ++y)
                    for (int x = 0; x < width; ++x)
                        QCOMPARE(back.pixel(x, y), p.palette[p.pixels[static_cast<std::size_t>(y * width + x)]]);
            }
        }
    }

    // The quick composition and its PNG show what the full composition of
    // the canvas shows, pixel for pixel; a picture of too many colours is
    // left to the full one.
    void composedPicturesAreWhatTheCanvasShows() {
        AppState example;
        const Result<std::string> bytes = ReadWholeFile(ISOBRA_EXAMPLES "/winter.dat");
        QVERIFY(bytes.ok());
        const Result<ObservationFileData> data = ParseObservationFile(*bytes);
        QVERIFY(data.ok());
        ApplyObservationFile(*data, example.observations, example.field);
        QVERIFY(ComputePressureGrid(example.observations, example.field).ok());
        const std::vector<std::string> everything = {"map", "isobars", "symbols", "wind", "fronts"};
        const std::vector<std::string> surface = {"map", "isobars", "surface"};

        const struct {
            const char* what;
            std::vector<std::string> layers;  // of the example, drawn after `draw`
            std::shared_ptr<RgbImage> picture;
            std::function<void(QImageCanvas&)> draw;
        } cases[] = {
            {"shapes and a text over a picture",
             {},
             std::make_shared<RgbImage>(120, 90, MakeColour(10, 20, 30)),
             [](QImageCanvas& c) {
                 c.DrawLine(0, 0, 399, 399, MakeColour(0, 0, 255));
                 c.DrawBox(100, 50, 130, 60, MakeColour(0, 255, 0));
                 c.DrawTextAt(300, 300, "1008", TextSize::Small);
             }},
            {"the example, every layer", everything, nullptr, [](QImageCanvas&) {}},
            {"the example over a picture wider than the map", everything,
             std::make_shared<RgbImage>(500, 300, MakeColour(90, 90, 90)), [](QImageCanvas&) {}},
            {"the whole canvas, 635 pixels across, drawn to its last column", surface, nullptr,
             [](QImageCanvas& c) { c.DrawLine(634, 0, 634, 424, MakeColour(255, 0, 0)); }},
        };
        for (const auto& c : cases) {
            QImageCanvas canvas;
            canvas.SetBackgroundColour(MakeColour(200, 210, 220));
            if (c.picture) {
                c.picture->Set(5, 6, MakeColour(250, 0, 0));
                canvas.SetBackgroundPicture(c.picture);
            }
            c.draw(canvas);
            DrawLayers(canvas, example, c.layers);
            const PictureArea area = PictureAreaOf(c.layers.empty() ? std::vector<std::string>{"map"} : c.layers,
                                                   canvas.width(), canvas.height());
            const std::optional<IndexedPicture> few = ComposeIndexed(canvas, area);
            QVERIFY2(few.has_value(), c.what);
            const std::string png = EncodePng(*few);
            QImage back;
            QVERIFY(back.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"));
            QCOMPARE(back.size(), QSize(area.width, area.height));
            const QImage shown = canvas.Composite();
            for (int y = 0; y < area.height; ++y)
                for (int x = 0; x < area.width; ++x) {
                    const QRgb want = shown.pixel(x, y);
                    if (few->palette[few->pixels[static_cast<std::size_t>(y * area.width + x)]] != want ||
                        back.pixel(x, y) != want)
                        QFAIL(
                            qPrintable(QStringLiteral("%1: pixel %2,%3").arg(QString::fromUtf8(c.what)).arg(x).arg(y)));
                }
        }

        QImageCanvas canvas;
        auto colourful = std::make_shared<RgbImage>(300, 1, 0);
        for (int x = 0; x < 300; ++x) colourful->Set(x, 0, MakeColour(x % 256, x / 256, 7));
        canvas.SetBackgroundPicture(colourful);
        QVERIFY(!ComposeIndexed(canvas, PictureAreaOf({"map"}, canvas.width(), canvas.height())).has_value());
    }

    // Maps after the first start from a copy of the first one's coastline:
    // each comes out as it does on its own, pixels and vectors alike, and a
    // map whose layers do not begin with the coastline is drawn whole.
    void laterMapsComeOutAsTheyDoAlone() {
        const std::string winter = ISOBRA_EXAMPLES "/winter.dat";
        const std::string frost = ISOBRA_TEST_DATA "/katakana-and-frost.dat";
        const std::vector<std::vector<std::string>> layerLists = {
            {"map", "isobars", "symbols", "wind", "fronts"},
            {"isobars", "map", "fronts"},
        };
        for (const std::vector<std::string>& layers : layerLists) {
            RenderOptions options;
            options.layers = layers;
            options.outputs = {{FindOutputKind("--png"), "x.png"}, {FindOutputKind("--svg"), "x.svg"}};
            auto draw = [&options](MapRenderer& renderer, const std::string& input) {
                renderer.Render({input, {}});
                const QImage shown = renderer.Drawing().Composite();
                const Result<std::string> svg = FindOutputKind("--svg")->make(renderer);
                return std::pair{shown, svg ? *svg : svg.message()};
            };
            MapRenderer many(options);
            draw(many, frost);
            for (const std::string& input : {winter, frost, winter}) {
                MapRenderer alone(options);
                QVERIFY(draw(many, input) == draw(alone, input));
            }
        }
    }

    void progressIsRedrawnAtMostTenTimesASecond() {
        using namespace std::chrono_literals;
        ProgressLine::Clock::time_point now{};
        std::string out;
        ProgressLine progress(
            true, 1000, [&](const std::string& t) { out += t; }, [&] { return now; });
        progress.Update(0);
        QCOMPARE(out, std::string("0/1000"));
        now += 50ms;
        progress.Update(37);  // too soon
        QCOMPARE(out, std::string("0/1000"));
        now += 50ms;
        progress.Update(38);
        QCOMPARE(out, std::string("0/1000\r\x1b[K38/1000"));
        out.clear();
        progress.Print("isobra-render: x.dat:3: wrong");
        QCOMPARE(out, std::string("\r\x1b[Kisobra-render: x.dat:3: wrong\n"));
        progress.Finish();
        QCOMPARE(out, std::string("\r\x1b[Kisobra-render: x.dat:3: wrong\n"));  // nothing left to clear

        // Not a terminal: the messages only.
        out.clear();
        ProgressLine quiet(
            false, 10, [&](const std::string& t) { out += t; }, [&] { return now; });
        quiet.Update(3);
        quiet.Print("m");
        quiet.Finish();
        QCOMPARE(out, std::string("m\n"));
    }

    void anythingThrownEndsWithStatusOneAndNoHalfWrittenFile() {
        QTemporaryDir dir;
        const std::string target = dir.filePath("map.png").toStdString();
        const int status = RunWithLastResort([&]() -> int {
            Result<StagedFile> staged = StagedFile::Stage(target, "half a map");
            if (!staged) return 7;
            throw std::runtime_error("out of luck");
        });
        QCOMPARE(status, 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(RunWithLastResort([] { return 0; }), 0);
    }
};

QTEST_MAIN(RenderPiecesTest)
#include "RenderPiecesTest.moc"
