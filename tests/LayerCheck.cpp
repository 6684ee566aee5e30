// Reads every #include of the sources and fails when the folders of src stop
// being a stack: an include that climbs to a higher layer (or crosses to a
// sibling of the same height), a circle between folders, a core folder that
// includes Qt or a UI folder, a project include written without its folder,
// or a folder that has no place in the stack yet.
//
// usage: layer_check SRC_DIR
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    int height;
    bool core;  // standard C++ only
};

// Lower layers first. Folders of the same height may not include each other.
const std::map<std::string, Layer> kLayers = {
    {"model", {0, true}},     {"canvas", {1, true}},  {"map", {2, true}},      {"isobar", {3, true}},
    {"satellite", {3, true}}, {"state", {4, true}},   {"widgets", {5, false}}, {"entry", {6, false}},
    {"app", {7, false}},      {"render", {7, false}}, {"", {8, false}},  // main.cpp at the top
    {"report", {1, true}},    {"speech", {5, false}},
};

struct Include {
    std::string file;  // relative to src
    int line;
    std::string target;
};

std::string FolderOf(const std::string& relative) {
    const std::size_t slash = relative.find('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

std::string Shown(const std::string& folder) { return folder.empty() ? "src (main.cpp)" : folder; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: layer_check SRC_DIR\n";
        return 2;
    }
    const fs::path root = argv[1];
    const std::regex quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
    const std::regex angled(R"(^\s*#\s*include\s*<(Q[A-Za-z]*)[>/])");

    std::vector<std::string> problems;
    std::vector<Include> includes;
    std::set<std::string> folders;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        const std::string folder = FolderOf(relative);
        folders.insert(folder);
        std::ifstream in(entry.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch m;
            if (std::regex_search(text, m, quoted)) {
                includes.push_back({relative, line, m[1].str()});
            } else if (std::regex_search(text, m, angled)) {
                const auto layer = kLayers.find(folder);
                if (layer != kLayers.end() && layer->second.core)
                    problems.push_back(relative + ":" + std::to_string(line) + ": the core folder " + folder +
                                       " includes the Qt header <" + m[1].str() + ">");
            }
        }
    }

    for (const std::string& folder : folders)
        if (!kLayers.count(folder))
            problems.push_back("src/" + folder + " has no place in the stack of layers: add it to " __FILE__);

    std::map<std::string, std::set<std::string>> edges;
    std::map<std::pair<std::string, std::string>, std::string> example;
    for (const Include& inc : includes) {
        const std::string where = inc.file + ":" + std::to_string(inc.line) + ": ";
        if (inc.target.find('/') == std::string::npos) {
            problems.push_back(where + "\"" + inc.target + "\" is written without its folder");
            continue;
        }
        if (!fs::exists(root / inc.target)) {
            problems.push_back(where + "\"" + inc.target + "\" is not a file of src");
            continue;
        }
        const std::string from = FolderOf(inc.file);
        const std::string to = FolderOf(inc.target);
        if (from == to) continue;
        edges[from].insert(to);
        example.emplace(std::make_pair(from, to), where + "\"" + inc.target + "\"");
        const auto a = kLayers.find(from);
        const auto b = kLayers.find(to);
        if (a == kLayers.end() || b == kLayers.end()) continue;
        if (a->second.core && !b->second.core) {
            problems.push_back(where + "the core folder " + from + " includes the UI folder " + to);
        } else if (from == "entry" && to == "app") {
            problems.push_back(where + "an entry window includes a main-window file (" + inc.target + ")");
        } else if (b->second.height >= a->second.height) {
            problems.push_back(where + Shown(from) + " includes " + to + ", which is not below it");
        }
    }

    // A circle between folders, whatever the declared heights say.
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

    for (const std::string& problem : problems) std::cerr << problem << "\n";
    if (!problems.empty()) {
        std::cerr << problems.size() << " layering problem(s)\n";
        return 1;
    }
    std::cout << includes.size() << " includes in " << folders.size() << " folders keep to the stack\n";
    return 0;
}
