// build_library --codex DIR --data DIR --leyning DIR --out DIR [--summary FILE]:
// makes the article blocks, the Article index, the verse map and the aliyah
// table from the Codex, the leyning package's readings and the data tables,
// writes them with their resource script, and prints a summary: to FILE when
// given, so that a build's output stays short, else to the standard output.
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "tools/library/library_build.h"

namespace {

struct Options {
    std::string codexDir;
    std::string dataDir;
    std::string leyningDir;
    std::string outDir;
    std::string summaryFile;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--codex") options.codexDir = argv[i + 1];
        else if (name == "--data") options.dataDir = argv[i + 1];
        else if (name == "--leyning") options.leyningDir = argv[i + 1];
        else if (name == "--out") options.outDir = argv[i + 1];
        else if (name == "--summary") options.summaryFile = argv[i + 1];
        else return false;
    }
    return argc % 2 == 1 && !options.codexDir.empty() && !options.dataDir.empty() && !options.leyningDir.empty() &&
           !options.outDir.empty();
}

void WriteSummary(const BuiltLibrary& library, const std::string& summaryFile) {
    if (summaryFile.empty()) {
        PrintSummary(library, std::cout);
        return;
    }
    std::ofstream out(summaryFile);
    PrintSummary(library, out);
    if (!out.flush()) throw std::runtime_error("cannot write " + summaryFile);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "usage: build_library --codex DIR --data DIR --leyning DIR --out DIR [--summary FILE]\n";
        return 2;
    }
    try {
        const BuiltLibrary library = BuildLibrary(options.codexDir, options.dataDir, options.leyningDir);
        WriteLibrary(library, options.outDir);
        WriteSummary(library, options.summaryFile);
    } catch (const std::exception& error) {
        std::cerr << "build_library: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
