// isobra-render: turns saved observation files into isobar files and PNG
// maps without a display, with the same code that draws in the window.
#include <QGuiApplication>
#include <QBuffer>
#include <QImage>

#include <cstdio>
#include <string>
#include <vector>

#include "widgets/QImageCanvas.h"
#include "isobar/GridConstruction.h"
#include "isobar/IsobarDrawing.h"
#include "isobar/IsobarFile.h"
#include "map/CoastlineTable.h"
#include "state/AppState.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "render/ConvertCommand.h"
#include "render/RenderLayers.h"
#include "widgets/PictureFile.h"

namespace {

using namespace isobra;

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1;
constexpr int kExitUsage = 2;
// A middle zlib level: a map of thin lines packs to a small file, written
// faster than with the default level.
constexpr int kPngQuality = 50;

std::string UsageText() {
    return "usage: isobra-render OBS.dat [--cnt OUT.cnt] [--dat OUT.dat] [--png OUT.png]\n"
    "                     [--interval HPA] [--layers LIST]\n"
    "       isobra-render --isobars IN.cnt --png OUT.png [--interval HPA] [--layers LIST]\n"
    "       isobra-render --convert SRC\n"
    "\n"
    "Loads an observation file, builds the pressure grid as \"等圧線の表示\" does and\n"
    "writes what is asked for:\n"
    "  --cnt OUT.cnt     the isobar file, as \"等圧線データ保存\" writes it\n"
    "  --dat OUT.dat     the observation file, as \"気象観測データ保存\" writes it\n"
    "  --png OUT.png     the map, 400 x 400 pixels, drawn as in the window\n"
    "  --isobars IN.cnt  draw a saved isobar file instead of building a grid\n"
    "  --interval HPA    isobar spacing in hPa, 0.5 to 10 (default 2)\n"
    "  --layers LIST     comma list of " + LayerNameList() + "\n"
    "                    (default map,isobars)\n"
    "  --background IMG  draw the map over this picture (BMP, PNG, JPEG...)\n"
    "  --convert SRC     convert a plane set (SRC named *.b1) or a sensor file\n"
    "                    (forg.00?) into the 400 x 400 BMP beside it, as\n"
    "                    \"画像読みこみ\" does, and print the BMP's path\n"
    "  --help            this text\n"
    "\n"
    "Exit status: 0 done, 1 bad input (the message names file and line),\n"
    "2 wrong use. No output file is written unless everything succeeded.\n";
}

struct Options {
    std::string observations;
    std::string isobars;
    std::string cntOut;
    std::string datOut;
    std::string pngOut;
    std::string background;
    std::string convert;
    float intervalHpa = 2.0f;
    std::vector<std::string> layers{"map", "isobars"};
};

int Usage(const std::string& problem) {
    std::fprintf(stderr, "isobra-render: %s\n%s", problem.c_str(), UsageText().c_str());
    return kExitUsage;
}

std::vector<std::string> SplitComma(const std::string& text) {
    std::vector<std::string> out;
    std::string item;
    for (char c : text) {
        if (c == ',') {
            out.push_back(item);
            item.clear();
        } else {
            item += c;
        }
    }
    out.push_back(item);
    return out;
}

// Parses the command line; returns false with a message on wrong use.
bool ParseArguments(const QStringList& args, Options& options, std::string& problem) {
    for (int i = 1; i < args.size(); ++i) {
        const std::string arg = args[i].toStdString();
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                problem = arg + " needs a value";
                return false;
            }
            into = args[++i].toStdString();
            return true;
        };
        if (arg == "--cnt") {
            if (!value(options.cntOut)) return false;
        } else if (arg == "--dat") {
            if (!value(options.datOut)) return false;
        } else if (arg == "--png") {
            if (!value(options.pngOut)) return false;
        } else if (arg == "--isobars") {
            if (!value(options.isobars)) return false;
        } else if (arg == "--background") {
            if (!value(options.background)) return false;
        } else if (arg == "--convert") {
            if (!value(options.convert)) return false;
        } else if (arg == "--interval") {
            std::string text;
            if (!value(text)) return false;
            bool ok = false;
            const float hpa = QString::fromStdString(text).toFloat(&ok);
            if (!ok || !(hpa >= 0.5f && hpa <= 10.0f)) {
                problem = "--interval takes hPa from 0.5 to 10, not " + text;
                return false;
            }
            options.intervalHpa = hpa;
        } else if (arg == "--layers") {
            std::string text;
            if (!value(text)) return false;
            options.layers = SplitComma(text);
            for (const std::string& layer : options.layers) {
                if (!IsKnownLayer(layer)) {
                    problem = "unknown layer \"" + layer + "\" (known: " + LayerNameList() + ")";
                    return false;
                }
            }
        } else if (!arg.empty() && arg[0] == '-') {
            problem = "unknown option " + arg;
            return false;
        } else if (options.observations.empty()) {
            options.observations = arg;
        } else {
            problem = "more than one observation file given";
            return false;
        }
    }
    if (!options.convert.empty()) {
        if (args.size() == 3) return true;
        problem = "--convert SRC takes no other input or option";
        return false;
    }
    if (options.observations.empty() == options.isobars.empty()) {
        problem = "give either an observation file or --isobars IN.cnt";
        return false;
    }
    if (!options.isobars.empty() && (!options.cntOut.empty() || !options.datOut.empty())) {
        problem = "--isobars draws a saved isobar file; it writes only --png";
        return false;
    }
    if (options.cntOut.empty() && options.datOut.empty() && options.pngOut.empty()) {
        problem = "nothing to write: give --cnt, --dat or --png";
        return false;
    }
    if (!options.background.empty() && options.pngOut.empty()) {
        problem = "--background is for the map: give --png";
        return false;
    }
    return true;
}

int BadInput(const std::string& file, int line, const std::string& message) {
    if (line > 0) {
        std::fprintf(stderr, "isobra-render: %s:%d: %s\n", file.c_str(), line, message.c_str());
    } else {
        std::fprintf(stderr, "isobra-render: %s: %s\n", file.c_str(), message.c_str());
    }
    return kExitBadInput;
}

// Keeps Qt's chatter about the session environment (no XDG_RUNTIME_DIR
// under a batch job) out of the one-line messages this tool promises.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg && message.startsWith(QStringLiteral("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(QuietMessages);
    // No display needed: the offscreen platform, unless the user chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(UsageText().c_str(), stdout);
            return kExitOk;
        }
    }
    QGuiApplication app(argc, argv);

    Options options;
    std::string problem;
    if (argc < 2) return Usage("no input given");
    if (!ParseArguments(QCoreApplication::arguments(), options, problem)) return Usage(problem);
    if (!options.convert.empty()) return RunConvertCommand(options.convert);

    AppState state;
    state.field.grid.isobarInterval = options.intervalHpa * 100.0f;
    state.field.grid.isobarHalfInterval = state.field.grid.isobarInterval / 2.0f;

    const std::string& input = options.isobars.empty() ? options.observations : options.isobars;
    const Result<std::string> file = ReadWholeFile(input);
    if (!file) return BadInput(input, 0, file.message());
    const std::string& bytes = *file;

    if (options.isobars.empty()) {
        const auto parsed = ParseObservationFile(bytes);
        if (!parsed) return BadInput(input, parsed.line(), parsed.message());
        ApplyObservationFile(*parsed, state.observations, state.field);

        const int pressures = CountLandPressures(state.observations);
        if (pressures == 0) return BadInput(input, 0, "気圧が入力されていません");
        if (pressures < kFewLandPressures)
            std::fprintf(stderr, "isobra-render: %s: 気圧のある地点が%d か所しかありません。そのまま等圧線を描きます。\n",
                         input.c_str(), pressures);
        const Result<GridConstructionReport> result = ComputePressureGrid(state.observations, state.field);
        if (!result) return BadInput(input, 0, result.message());
        for (const std::string& message : result->warnings)
            std::fprintf(stderr, "isobra-render: %s: %s\n", input.c_str(), message.c_str());
    } else {
        const auto parsed = ParseIsobarFile(bytes, state.field.grid, state.observations.stationCount());
        if (!parsed) return BadInput(input, parsed.line(), parsed.message());
        if (const Status applied = ApplyIsobarFile(*parsed, state.observations.stationCount(), state.field); !applied)
            return BadInput(input, 0, applied.message());
    }

    // Everything is made in memory first; files are written only at the end.
    std::vector<std::pair<std::string, std::string>> outputs;
    if (!options.cntOut.empty()) {
        const Result<std::string> cnt = WriteIsobarFile(state.field);
        if (!cnt) return BadInput(options.cntOut, 0, cnt.message());
        outputs.emplace_back(options.cntOut, *cnt);
    }
    if (!options.datOut.empty()) {
        NormaliseForSave(state.observations);
        const Result<std::string> dat = WriteObservationFile(state.observations);
        if (!dat) return BadInput(options.datOut, 0, dat.message());
        outputs.emplace_back(options.datOut, *dat);
    }
    if (!options.pngOut.empty()) {
        QImageCanvas canvas;
        if (!options.background.empty()) {
            const Result<QImage> picture = ReadPictureFile(QString::fromStdString(options.background));
            if (!picture) return BadInput(options.background, 0, picture.message());
            canvas.SetBackgroundPicture(ToRgbImage(*picture));
        }
        DrawLayers(canvas, state, options.layers);
        const QImage map = canvas.Composite().copy(0, 0, 400, 400);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!map.save(&buffer, "PNG", kPngQuality)) return BadInput(options.pngOut, 0, "PNG を作れませんでした。");
        outputs.emplace_back(options.pngOut, png.toStdString());
    }
    for (const auto& [path, data] : outputs) {
        const Status saved = SaveFileAtomically(path, data);
        if (!saved) {
            std::fprintf(stderr, "isobra-render: %s: 書き込めませんでした（%s）。\n", path.c_str(), saved.message().c_str());
            return kExitBadInput;
        }
    }
    return kExitOk;
}
