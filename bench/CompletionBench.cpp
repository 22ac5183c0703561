// Word completion over a dictionary of 1,000,000 entries: one lookup that passes over every entry
// without finding a match (the longest a keystroke can make the lookup take), and the switch that
// reads the dictionary file.

#include "engine/Cp1251.h"
#include "engine/LineFiles.h"
#include "input/Completion.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kEntries = 1'000'000;

// Entries of 2 to 5 syllables, some of them phrases, in the code page. With `prefix`, every entry
// begins with it, so the lookup compares more than the first letter of each.
std::vector<std::string> entries(const std::string& prefix) {
    static const char* kSyllables[] = {"ка", "ло", "ми", "ре", "ту", "на", "во", "ши", "да",
                                       "пе", "ры", "зо", "ль", "ст", "ве", "ко", "ма", "ни"};
    std::mt19937 chance(2024);
    std::uniform_int_distribution<int> syllable(0, std::size(kSyllables) - 1);
    std::uniform_int_distribution<int> length(2, 5);
    std::vector<std::string> lines;
    lines.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        std::string entry = prefix;
        for (int n = length(chance); n > 0; --n) {
            entry += kSyllables[syllable(chance)];
        }
        if (i % 7 == 0) {
            entry += " дом";
        }
        lines.push_back(cp1251::fromUtf8(entry));
    }
    return lines;
}

void lookupWithoutMatch(benchmark::State& state, const std::string& prefix,
                        const std::string& typed) {
    Completion completion;
    completion.SpeedWord = LineList(entries(prefix));
    const std::string line = cp1251::fromUtf8(typed);
    for (auto _ : state) {
        completion.SpeedIndex = -1;
        const std::string panel = completion.T11Timer(line);
        benchmark::DoNotOptimize(panel);
        if (panel != "[NONE]") {
            state.SkipWithError("a match was found");
        }
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

// The typed word differs from every entry at its first letter.
void LookupMissAtTheFirstLetter(benchmark::State& state) {
    lookupWithoutMatch(state, "", "Я жук");
}
BENCHMARK(LookupMissAtTheFirstLetter)->Unit(benchmark::kMillisecond);

// Every entry begins with the first four letters of the typed word.
void LookupMissAtTheFifthLetter(benchmark::State& state) {
    lookupWithoutMatch(state, "прив", "Я привю");
}
BENCHMARK(LookupMissAtTheFifthLetter)->Unit(benchmark::kMillisecond);

// The switch: "Base\dictionary.dat" read and split into entries, as every click on the menu item
// does.
void SwitchLoadsTheDictionary(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "lorintal-completion-bench";
    fs::create_directories(folder / "Base");
    {
        std::ofstream out(folder / "Base" / "dictionary.dat", std::ios::binary);
        for (const std::string& entry : entries("")) {
            out << entry << "\r\n";
        }
    }
    Completion completion;
    for (auto _ : state) {
        completion.N24Click(LineFiles(PathResolver(folder)));
        benchmark::DoNotOptimize(completion.SpeedWord);
    }
    state.counters["bytes"] =
        static_cast<double>(fs::file_size(folder / "Base" / "dictionary.dat"));
    fs::remove_all(folder);
}
BENCHMARK(SwitchLoadsTheDictionary)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
