// Reads every #include of the sources against the stack of layers that
// src/CMakeLists.txt declares, and fails when a folder includes a folder it
// does not link (directly or through the layers it links): an include that
// climbs the stack, or one that crosses to a layer beside it. It also fails
// on a circle between folders, a core folder that includes Qt or a UI
// folder, a core layer that links one, a project include written without its
// folder, and a folder of src that no isobra_layer call declares. Project
// includes count whether written "model/X.h" or <model/X.h>.
//
// usage: layer_check SRC_DIR LAYERS_FILE
//
// LAYERS_FILE is what the isobra_layer and isobra_program calls leave in the
// build folder: a line per folder ("." for src itself), "core" or "ui", and
// the libraries it links, isobra_NAME for the layer NAME.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    bool core = false;                // standard C++ only
    std::vector<std::string> layers;  // the folders of the layers it links
    std::vector<std::string> others;  // every other library it links
};

struct Include {
    std::string file;  // relative to src
    int line;
    std::string target;
    std::string written;  // as in the source, with its quotes or brackets
};

std::string FolderOf(const std::string& relative) {
    const std::size_t slash = relative.find('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

std::string Shown(const std::string& folder) { return folder.empty() ? "src (main.cpp)" : folder; }

// Where the stack is declared, for messages.
const std::string kStackFile = "src/CMakeLists.txt";
const std::string kDeclared = kStackFile + ": ";

std::map<std::string, Layer> ReadLayers(const fs::path& file, std::vector<std::string>& problems) {
    std::map<std::string, Layer> layers;
    std::ifstream in(file);
    if (!in) problems.push_back(file.string() + " cannot be read");
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream words(text);
        std::string folder, kind, library;
        if (!(words >> folder >> kind)) continue;
        if (folder == ".") folder.clear();
        Layer& layer = layers[folder];
        layer.core = kind == "core";
        while (words >> library) {
            if (library.rfind("isobra_", 0) == 0)
                layer.layers.push_back(library.substr(7));
            else
                layer.others.push_back(library);
        }
    }
    return layers;
}

// Every folder each layer may include: its own and those of the layers it
// links, directly or through them. A circle in the links is a problem.
std::map<std::string, std::set<std::string>> Reachable(const std::map<std::string, Layer>& layers,
                                                       std::vector<std::string>& problems) {
    std::map<std::string, std::set<std::string>> reach;
    std::map<std::string, int> state;  // 0 unseen, 1 on the path, 2 done
    std::function<void(const std::string&)> visit = [&](const std::string& folder) {
        state[folder] = 1;
        std::set<std::string>& mine = reach[folder];
        mine.insert(folder);
        for (const std::string& next : layers.at(folder).layers) {
            if (!layers.count(next)) {
                problems.push_back(kDeclared + Shown(folder) + " links isobra_" + next + ", which is no layer");
            } else if (state[next] == 1) {
                problems.push_back(kDeclared + "the links of " + Shown(next) + " lead back to it through " +
                                   Shown(folder));
            } else {
                if (state[next] == 0) visit(next);
                mine.insert(reach[next].begin(), reach[next].end());
            }
        }
        state[folder] = 2;
    };
    for (const auto& [folder, layer] : layers)
        if (state[folder] == 0) visit(folder);
    return reach;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: layer_check SRC_DIR LAYERS_FILE\n";
        return 2;
    }
    const fs::path root = argv[1];
    std::vector<std::string> problems;
    const std::map<std::string, Layer> layers = ReadLayers(argv[2], problems);
    const std::map<std::string, std::set<std::string>> reach = Reachable(layers, problems);
    for (const auto& [folder, layer] : layers) {
        if (!layer.core) continue;
        for (const std::string& other : layer.others)
            if (other.rfind("Qt", 0) == 0)
                problems.push_back(kDeclared + "the core layer " + Shown(folder) + " links " + other);
        for (const std::string& below : layer.layers) {
            const auto it = layers.find(below);
            if (it != layers.end() && !it->second.core)
                problems.push_back(kDeclared + "the core layer " + Shown(folder) + " links the UI layer " + below);
        }
    }

    const std::regex written(R"re(^\s*#\s*include\s*("([^"]+)"|<([^>]+)>))re");
    const std::regex qt(R"(^Q[A-Za-z]*(/|$))");
    std::vector<Include> includes;
    std::set<std::string> folders;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        const std::string folder = FolderOf(relative);
        folders.insert(folder);
        const auto layer = layers.find(folder);
        const bool core = layer != layers.end() && layer->second.core;
        std::ifstream in(entry.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch m;
            if (!std::regex_search(text, m, written)) continue;
            if (m[2].matched) {
                includes.push_back({relative, line, m[2].str(), m[1].str()});
                continue;
            }
            const std::string target = m[3].str();
            if (std::regex_search(target, qt)) {
                if (core)
                    problems.push_back(relative + ":" + std::to_string(line) + ": the core folder " + folder +
                                       " includes the Qt header " + m[1].str());
            } else if (const std::string top = FolderOf(target); !top.empty() && fs::is_directory(root / top)) {
                includes.push_back({relative, line, target, m[1].str()});
            }
        }
    }

    for (const std::string& folder : folders)
        if (!layers.count(folder))
            problems.push_back("src/" + folder +
                               " has no place in the stack of layers: declare it with isobra_layer in " + kStackFile);

    std::map<std::string, std::set<std::string>> edges;
    std::map<std::pair<std::string, std::string>, std::string> example;
    for (const Include& inc : includes) {
        const std::string where = inc.file + ":" + std::to_string(inc.line) + ": ";
        if (inc.target.find('/') == std::string::npos) {
            problems.push_back(where + inc.written + " is written without its folder");
            continue;
        }
        if (!fs::exists(root / inc.target)) {
            problems.push_back(where + inc.written + " is not a file of src");
            continue;
        }
        const std::string from = FolderOf(inc.file);
        const std::string to = FolderOf(inc.target);
        if (from == to) continue;
        edges[from].insert(to);
        example.emplace(std::make_pair(from, to), where + inc.written);
        const auto a = layers.find(from);
        const auto b = layers.find(to);
        if (a == layers.end() || b == layers.end()) continue;
        if (a->second.core && !b->second.core) {
            problems.push_back(where + "the core folder " + from + " includes the UI folder " + to + " (" +
                               inc.written + ")");
        } else if (!reach.at(from).count(to)) {
            const bool climbs = reach.at(to).count(from) > 0;
            problems.push_back(where + Shown(from) + " includes " + inc.written + ", but " + to +
                               (climbs ? " stands above it" : " is not among the layers it links"));
        }
    }

    // A circle between folders, whatever the declared links say.
    std::map<std::string, int> state;  // 0 unseen, 1 on the path, 2 done
    std::vector<std::string> path;
    std::function<void(const std::string&)> visit = [&](const std::string& folder) {
        state[folder] = 1;
        path.push_back(folder);
        for (const std::string& next : edges[folder]) {
            if (state[next] == 1) {
                std::string circle;
                for (auto it = std::find(path.begin(), path.end(), next); it != path.end(); ++it)
                    circle += Shown(*it) + " -> ";
                problems.push_back("circle between folders: " + circle + Shown(next) + " (" + example[{folder, next}] +
                                   ")");
            } else if (state[next] == 0) {
                visit(next);
            }
        }
        path.pop_back();
        state[folder] = 2;
    };
    for (const auto& [folder, targets] : edges)
        if (state[folder] == 0) visit(folder);

    std::sort(problems.begin(), problems.end());
    for (const std::string& problem : problems) std::cerr << problem << "\n";
    if (!problems.empty()) {
        std::cerr << problems.size() << " layering problem(s)\n";
        return 1;
    }
    std::cout << includes.size() << " includes in " << folders.size() << " folders keep to the stack of "
              << layers.size() << " layers\n";
    return 0;
}
