// Teaching the shipped base a dialogue of 100,000 lines, as "lorintal-kb teach" does it (read the
// dialogue, hold the base, load "Base\Words.Dat", teach, save it once), beside its floor: reading
// the dialogue and the main file and writing the taught main file once, with plain read() and
// write(). TeachFloorDurable writes those bytes the way the program saves (flushed to disk and
// renamed into place).

#include "engine/Cp1251.h"
#include "engine/LineFiles.h"
#include "engine/ProgramFiles.h"
#include "tools/KbTeacher.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Everyday words, so that some phrases are answered by the base, some hold words the program does
// not learn, and most are new to it.
constexpr const char* kWords[] = {
    "дом",   "кот",   "собака", "лес",   "река",  "небо",  "солнце", "книга", "чай",    "город",
    "поезд", "море",  "зима",   "лето",  "школа", "друг",  "окно",   "стол",  "работа", "дорога",
    "купил", "нашёл", "читал",  "помню", "знаю",  "рисую", "строю",  "чиню",  "ищу",    "видел"};
constexpr unsigned kWordCount = sizeof kWords / sizeof kWords[0];
constexpr const char* kEnds[] = {".", "?", "!"};

// One utterance a line, each different (a number ends it), in UTF-8 as a user would write it.
std::string generatedDialogue(int lines) {
    std::string text;
    unsigned state = 12345;
    auto next = [&state](unsigned n) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % n;
    };
    for (int i = 0; i < lines; ++i) {
        const unsigned words = 2 + next(5);
        std::string line = "Я";
        for (unsigned w = 0; w < words; ++w) {
            line += std::string(" ") + kWords[next(kWordCount)];
        }
        text += line + " " + std::to_string(i) + kEnds[next(3)] + "\n";
    }
    return text;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Folder {
    fs::path root =
        fs::temp_directory_path() / ("lorintal-teach-bench-" + std::to_string(::getpid()));
    fs::path dialogue = root / "dialogue.txt";
    fs::path words = root / "Base" / "Words.Dat";
    std::string shipped = readFile(fs::path(LORINTAL_PROGRAM_DIR) / "Base" / "Words.Dat");
    std::string taught; // the main file after teaching, for the floor

    Folder() {
        fs::create_directories(root / "Base");
        writeFile(dialogue, generatedDialogue(100000));
        writeFile(words, shipped);
    }
    ~Folder() { fs::remove_all(root); }
};

Folder& folder() {
    static Folder f;
    return f;
}

void Teach(benchmark::State& state) {
    Folder& f = folder();
    std::string summary;
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(f.words, f.shipped);
        state.ResumeTiming();
        const LineFiles files{PathResolver(f.root)}; // nothing kept from the run before
        std::ostringstream out;
        KbTeacher::command(files, f.dialogue.string(), false, out, nullptr);
        summary = out.str();
    }
    f.taught = readFile(f.words);
    state.SetLabel(summary.substr(0, summary.find('\n')));
}

bool readAll(const fs::path& path, std::string& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::size_t size = 0;
    for (ssize_t got; (got = ::read(fd, buffer.data() + size, buffer.size() - size)) > 0;) {
        size += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return size > 0;
}

void floor(benchmark::State& state, bool durable) {
    Folder& f = folder();
    if (f.taught.empty()) {
        state.SkipWithError("run Teach first");
        return;
    }
    std::string buffer(std::max(f.taught.size(), fs::file_size(f.dialogue)) + 1, '\0');
    const fs::path out = f.root / "Base" / "Floor.Dat";
    for (auto _ : state) {
        benchmark::DoNotOptimize(readAll(f.dialogue, buffer));
        benchmark::DoNotOptimize(readAll(f.words, buffer));
        const fs::path target = durable ? f.root / "Base" / "Floor.Dat.new" : out;
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, f.taught.data(), f.taught.size()));
        if (durable) {
            ::fdatasync(fd);
        }
        ::close(fd);
        if (durable) {
            ::rename(target.c_str(), out.c_str());
        }
    }
}

void TeachFloor(benchmark::State& state) {
    floor(state, false);
}
void TeachFloorDurable(benchmark::State& state) {
    floor(state, true);
}

BENCHMARK(Teach)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(TeachFloor)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(TeachFloorDurable)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
