// Writes the English language files and the starter item store into a folder laid out as
// the program folder: pivola_shipped_files <folder>
#include <cstdio>
#include <exception>

#include "tools/shipped/shipped_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    try {
        auto files = pv::shipped::EnglishLanguageFiles();
        auto store = pv::shipped::StarterStore();
        files.insert(files.end(), store.begin(), store.end());
        pv::shipped::WriteFiles(argv[1], files);
        for (const auto& f : files) std::printf("%s\n", f.Path.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pivola_shipped_files: %s\n", e.what());
        return 1;
    }
    return 0;
}
