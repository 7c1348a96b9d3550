// tablamor-gamesc: the game sources compiler.
//   tablamor-gamesc compile OUT.DAT SOURCE.game...   writes the scrambled game file
//   tablamor-gamesc decompile IN.DAT OUTDIR           writes one source per game
#include "engine/definition_check.h"
#include "engine/game_file.h"
#include "engine/game_source.h"
#include "records/atomic_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tablamor;

namespace {

int Usage() {
    std::cerr << "usage: tablamor-gamesc compile OUT.DAT SOURCE.game...\n"
                 "       tablamor-gamesc decompile IN.DAT OUTDIR\n";
    return 2;
}

// "0001-klondike.game": the id keeps files in id order, the name makes them readable.
std::string SourceFileName(const GameDefinition& g) {
    std::string slug;
    for (char c : g.name) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    std::string id = std::to_string(g.id);
    return std::string(4 - std::min<std::size_t>(4, id.size()), '0') + id + "-" + slug + ".game";
}

int Compile(const fs::path& out, const std::vector<fs::path>& sources) {
    std::vector<GameDefinition> games;
    std::set<int> ids;
    for (const fs::path& source : sources) {
        GameDefinition g = LoadGameSource(source);
        if (const std::string fault = DefinitionFault(g); !fault.empty()) {
            std::cerr << "tablamor-gamesc: " << source.string() << ": " << fault << "\n";
            return 1;
        }
        if (!ids.insert(g.id).second) {
            std::cerr << "tablamor-gamesc: " << source << ": game id " << g.id
                      << " is used twice\n";
            return 1;
        }
        games.push_back(std::move(g));
    }
    if (!WriteFileAtomically(out, WriteGameFile(games))) {
        std::cerr << "tablamor-gamesc: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}

int Decompile(const fs::path& in, const fs::path& outDir) {
    auto file = GameFile::Open(in);
    if (!file) {
        std::cerr << "tablamor-gamesc: cannot read " << in << "\n";
        return 1;
    }
    for (const GameDefinition& g : ReadAllGames(*file)) {
        if (!WriteFileAtomically(outDir / SourceFileName(g), FormatGameSource(g))) {
            std::cerr << "tablamor-gamesc: cannot write into " << outDir << "\n";
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() >= 2 && args[0] == "compile")
            return Compile(args[1], std::vector<fs::path>(args.begin() + 2, args.end()));
        if (args.size() == 3 && args[0] == "decompile") return Decompile(args[1], args[2]);
    } catch (const DefinitionError& e) {
        std::cerr << "tablamor-gamesc: " << e.what() << "\n";
        return 1;
    }
    return Usage();
}
