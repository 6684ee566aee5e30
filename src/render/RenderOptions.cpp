#include "render/RenderOptions.h"

#include <algorithm>
#include <charconv>

#include "isobar/IsobarInterval.h"
#include "model/TextFields.h"
#include "render/OutputKinds.h"
#include "render/RenderLayers.h"

namespace isobra {

namespace {

constexpr int kMaxJobs = 256;

// An option with a value. `apply` stores it and returns what is wrong with
// it, or nothing.
struct ValueOption {
    std::string_view name;
    std::string_view value;
    std::string_view help;
    std::string (*apply)(RenderOptions& options, const std::string& value);
};

struct FlagOption {
    std::string_view name;
    std::string_view help;
    void (*apply)(RenderOptions& options);
};

std::vector<std::string> SplitComma(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == ',') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

const std::vector<ValueOption>& ValueOptions() {
    static const std::vector<ValueOption> options = {
        {"--isobars", "IN.cnt", "draw a saved isobar file instead of building a grid",
         [](RenderOptions& o, const std::string& v) {
             o.inputsAreIsobarFiles = true;
             o.inputs.push_back(v);
             return std::string();
         }},
        {"--from-script", "IN.txt", "read the observations from a report's script, as --script writes it",
         [](RenderOptions& o, const std::string& v) {
             o.inputsAreScripts = true;
             o.inputs.push_back(v);
             return std::string();
         }},
        {"--interval", "HPA", "isobar spacing in hPa, 0.5 to 10 (default 2)",
         [](RenderOptions& o, const std::string& v) {
             const std::optional<double> hpa = ParsePlainNumber(v);
             if (!hpa || !IsIntervalInRange(*hpa)) return "--interval takes hPa from 0.5 to 10, not " + v;
             o.intervalHpa = *hpa;
             return std::string();
         }},
        {"--layers", "LIST", "layers drawn, in the order given; any of",
         [](RenderOptions& o, const std::string& v) {
             o.layers = SplitComma(v);
             for (const std::string& layer : o.layers)
                 if (!IsKnownLayer(layer)) return "unknown layer \"" + layer + "\" (known: " + LayerNameList() + ")";
             return std::string();
         }},
        {"--pace", "X", "the pace of --wav: 0.75, 1.0 (the broadcast's, the default) or 1.25",
         [](RenderOptions& o, const std::string& v) {
             o.pace = ParseReadingPace(v);
             return o.pace ? std::string() : "--pace takes 0.75, 1.0 or 1.25, not " + v;
         }},
        {"--background", "IMG", "draw the maps over this picture (BMP, PNG, JPEG... read by its content)",
         [](RenderOptions& o, const std::string& v) {
             o.background = v;
             return std::string();
         }},
        {"--convert", "SRC",
         "convert a plane set (SRC named *.b1) or a sensor file (forg.00?) into the 400 x 400 BMP "
         "beside it, as \"画像読みこみ\" does, print the BMP's path and do nothing else",
         [](RenderOptions& o, const std::string& v) {
             o.convert = v;
             return std::string();
         }},
        {"--out-dir", "DIR", "many maps in one run: see above",
         [](RenderOptions& o, const std::string& v) {
             o.outDir = v;
             return v.empty() ? std::string("--out-dir needs a folder") : std::string();
         }},
        {"--jobs", "N", "maps made at once with --out-dir (default: one per core)",
         [](RenderOptions& o, const std::string& v) {
             int n = 0;
             const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
             if (ec != std::errc() || end != v.data() + v.size() || n < 1 || n > kMaxJobs)
                 return "--jobs takes a whole number from 1 to " + std::to_string(kMaxJobs) + ", not " + v;
             o.jobs = n;
             return std::string();
         }},
    };
    return options;
}

const std::vector<FlagOption>& FlagOptions() {
    static const std::vector<FlagOption> options = {
        {"--labels", "pressures on the isobars and under the centre letters",
         [](RenderOptions& o) { o.labels = true; }},
    };
    return options;
}

// A row of --help: the option, then its text from the 21st column on.
std::string HelpRow(std::string head, std::string_view text) {
    head = "  " + head;
    head.resize(std::max<std::size_t>(head.size() + 1, 20), ' ');
    return head + std::string(text) + "\n";
}

template <class Option>
const Option* Find(const std::vector<Option>& options, std::string_view name) {
    const auto it = std::find_if(options.begin(), options.end(), [&](const Option& o) { return o.name == name; });
    return it == options.end() ? nullptr : &*it;
}

// Checks what only makes sense together; returns what is wrong, or nothing.
std::string CheckCombination(RenderOptions& o, bool jobsGiven, std::size_t argumentCount) {
    if (!o.convert.empty()) return argumentCount == 2 ? std::string() : "--convert SRC takes no other input or option";
    if (!o.background.empty() &&
        std::none_of(o.outputs.begin(), o.outputs.end(), [](const OutputRequest& r) { return r.kind->picture; }) &&
        !o.ManyMaps())
        return "--background is for the map: give --png, --svg or --pdf";
    if (o.pace && std::none_of(o.outputs.begin(), o.outputs.end(),
                               [](const OutputRequest& r) { return r.kind->option == "--wav"; }))
        return "--pace goes with --wav";
    if (o.inputsAreIsobarFiles && o.inputsAreScripts) return "give either --isobars IN.cnt or --from-script IN.txt";
    if (o.ManyMaps()) {
        if (o.inputsAreIsobarFiles) return "--isobars draws one saved isobar file; it does not go with --out-dir";
        if (o.inputsAreScripts) return "--from-script reads one script; it does not go with --out-dir";
        if (o.inputs.empty()) return "no input given: --out-dir DIR [--png] [--cnt] ... FILE...";
        if (o.outputs.empty()) o.outputs.push_back({FindOutputKind("--png"), {}});
        return {};
    }
    if (jobsGiven) return "--jobs goes with --out-dir";
    if (o.inputs.empty()) return "no input given";
    if (o.inputs.size() > 1)
        return o.inputsAreIsobarFiles ? "give either an observation file or --isobars IN.cnt"
               : o.inputsAreScripts   ? "give either an observation file or --from-script IN.txt"
                                      : "more than one observation file given (many go with --out-dir)";
    if (o.outputs.empty()) {
        std::string kinds;
        for (const OutputKind& kind : OutputKinds()) kinds += (kinds.empty() ? "" : ", ") + std::string(kind.option);
        return "nothing to write: give " + kinds;
    }
    for (const OutputRequest& out : o.outputs)
        if (o.inputsAreIsobarFiles && !out.kind->fromIsobarFile)
            return "--isobars draws a saved isobar file; it does not write " + std::string(out.kind->option);
    return {};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    RenderOptions& o = line.options;
    auto wrong = [&line](std::string problem) {
        line.action = CommandLine::Action::WrongUse;
        line.problem = std::move(problem);
        return line;
    };
    // Output options take a path unless --out-dir names them all.
    const auto end = std::find(args.begin(), args.end(), "--");
    const bool many = std::find(args.begin(), end, "--out-dir") != end;
    bool jobsGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            o.inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        } else if (const OutputKind* kind = FindOutputKind(arg)) {
            if (std::any_of(o.outputs.begin(), o.outputs.end(), [&](const OutputRequest& r) { return r.kind == kind; }))
                return wrong(arg + " given twice");
            OutputRequest request{kind, {}};
            if (!many) {
                if (i + 1 >= args.size()) return wrong(arg + " needs a value");
                request.path = args[++i];
            }
            o.outputs.push_back(request);
        } else if (const ValueOption* option = Find(ValueOptions(), arg)) {
            if (i + 1 >= args.size()) return wrong(arg + " needs a value");
            if (std::string problem = option->apply(o, args[++i]); !problem.empty()) return wrong(problem);
            jobsGiven |= arg == "--jobs";
        } else if (const FlagOption* flag = Find(FlagOptions(), arg)) {
            flag->apply(o);
        } else {
            return wrong("unknown option " + arg + " (a file whose name begins with - goes after --)");
        }
    }
    std::sort(o.outputs.begin(), o.outputs.end(),
              [](const OutputRequest& a, const OutputRequest& b) { return a.kind < b.kind; });
    if (std::string problem = CheckCombination(o, jobsGiven, args.size()); !problem.empty()) return wrong(problem);
    if (!o.convert.empty()) line.action = CommandLine::Action::Convert;
    return line;
}

std::string UsageText() {
    std::string single;
    std::string many;
    std::string outputs;
    for (const OutputKind& kind : OutputKinds()) {
        const std::string option(kind.option);
        const std::string value = "OUT" + std::string(kind.extension);
        single += " [" + option + " " + value + "]";
        many += " [" + option + "]";
        outputs += HelpRow(option + " " + value, kind.help);
    }
    std::string options;
    for (const ValueOption& option : ValueOptions()) {
        options += HelpRow(std::string(option.name) + " " + std::string(option.value), option.help);
        if (option.name == "--layers") options += HelpRow("", LayerNameList() + " (default map,isobars)");
    }
    for (const FlagOption& flag : FlagOptions()) options += HelpRow(std::string(flag.name), flag.help);
    options += HelpRow("--", "every argument after it is an input file");
    options += HelpRow("--help", "this text");
    return "usage: isobra-render OBS.dat" + single + " [OPTION...]\n" +
           "       isobra-render --isobars IN.cnt --png OUT.png [OPTION...]\n" +
           "       isobra-render --from-script IN.txt --dat OUT.dat [OPTION...]\n" +
           "       isobra-render --out-dir DIR" + many + " [OPTION...] OBS.dat...\n" +
           "\n"
           "Loads an observation file (or, with --from-script, the report's script),\n"
           "builds the pressure grid as \"等圧線の表示\" does when a map or an isobar\n"
           "file is asked for, and writes what is asked for:\n" +
           outputs +
           "\n"
           "The script is the report as the practice reads it aloud, one sentence a\n"
           "line; --from-script reads it back, names in kanji or kana, digits ASCII or\n"
           "full-width, and names the line of any words it cannot read.\n"
           "\n"
           "With --out-dir, every observation file given is rendered in one run into\n"
           "DIR/NAME.png, NAME being the file's name without its extension, or into\n"
           "the files of the output options given there without a value. A bad file is\n"
           "reported with its name and line and skipped; the last line counts the maps\n"
           "written and the files that failed.\n"
           "\n"
           "Options:\n" +
           options +
           "\n"
           "Exit status: 0 done, 1 bad input (the message names file and line; with\n"
           "--out-dir, any file that failed), 2 wrong use. No output file is written\n"
           "unless everything succeeded (with --out-dir: everything for that input).\n";
}

}  // namespace isobra
