// A reply turn on generated knowledge bases of 1,000, 10,000 and 100,000 lines stored as RTF, each
// beside its floor: reading and writing the same bytes, with plain read() and write(), as many
// times as the turn loads and saves "Base\Words.Dat". LearningFloorDurable saves those bytes the
// way the program does (flushed to disk and renamed into place), which shows what the turn costs
// beyond making its saves survive a crash. At the end every turn is set against its floors, as the
// ratio of their times (medians when run with repetitions).

#include "engine/Cp1251.h"
#include "engine/LineFiles.h"
#include "engine/ReplyEngine.h"
#include "engine/RtfWriter.h"
#include "engine/TurnSurroundings.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Draws that keep every turn on the same path: the long-phrase test does not look at the length,
// the follow-up remark is not offered, and the first alternative is taken.
class SteadyRandom : public Random {
public:
    int random(int n) override { return n > 1 ? 1 : 0; }
    void reseed() override {}
};

class QuietSurroundings : public TurnSurroundings {
public:
    std::string phrase;
    bool cpuUserMode() const override { return true; }
    bool cpuCpuMode() const override { return false; }
    std::string inputText() const override { return phrase; }
    std::string exchangeFirstLine() const override { return {}; }
    std::string earlierLine() const override { return {}; }
    void setBusyCursor(bool) override {}
    void playPhraseCue() override {}
    void echoPhrase(const std::string&) override {}
    void playReplyCue() override {}
    void showReply(const std::string&) override {}
    void setFarewellTimer(bool) override {}
    void setFollowUpTimer(bool) override {}
    void writeExchange(const std::string&) override {}
    void clearInput() override {}
};

std::string cp(const std::string& utf8) {
    return cp1251::fromUtf8(utf8);
}

// Words that patterns are made of, so that the generated lines vary as a real base's do.
constexpr const char* kWords[] = {
    "ПРИВЕТ", "ПОГОДА", "МУЗЫКА", "КНИГА",    "ФИЛЬМ",   "ИГРА",  "СПОРТ",     "ЕДА",
    "КОШКА",  "СОБАКА", "РАБОТА", "УЧЁБА",    "ЛЕТО",    "ЗИМА",  "ОСЕНЬ",     "ВЕСНА",
    "ДОРОГА", "МОРЕ",   "ГОРОД",  "ДЕРЕВНЯ",  "ДРУГ",    "СЕМЬЯ", "КОМПЬЮТЕР", "ТЕЛЕФОН",
    "НОЧЬ",   "УТРО",   "ВЕЧЕР",  "ПРАЗДНИК", "ПОДАРОК", "ЧАЙ",   "КОФЕ",      "ШКОЛА",
    "ВРЕМЯ",  "НЕБО",   "ЗВЕЗДА", "РЕКА",     "ЛЕС",     "ГРИБЫ", "ЯГОДЫ",     "ПЕСНЯ",
};
constexpr int kWordCount = sizeof kWords / sizeof kWords[0];

// Lines in the grammar of the main file: patterns of two words and a number, a few alternatives
// each, every tenth line a branch line.
std::string patternOf(int i) {
    return std::string(kWords[i % kWordCount]) + " " + kWords[(i / kWordCount) % kWordCount] + " " +
           std::to_string(i);
}

std::vector<std::string> generatedBase(int lines) {
    std::vector<std::string> base{cp("Сгенерированная база")};
    for (int i = 1; i < lines; ++i) {
        const std::string n = std::to_string(i);
        if (i % 10 == 0) {
            base.push_back(cp(std::string("_").append(patternOf(i)) + "^Продолжение номер " + n +
                              ".;Дальше.;"));
        } else {
            base.push_back(cp(patternOf(i) + "^Ответ номер " + n + ", про это.;Второй ответ.;" +
                              "Третий ответ?;"));
        }
    }
    return base;
}

struct Fixture {
    fs::path folder;
    std::string wordsBytes;

    explicit Fixture(int lines) {
        folder = fs::temp_directory_path() / ("lorintal-bench-" + std::to_string(lines));
        fs::create_directories(folder / "Base");
        wordsBytes = RtfWriter::write(generatedBase(lines));
        resetWords();
        const std::map<std::string, std::string> replies = {
            {"Povtor.Dat", "Повтор."},         {"X.Dat", "Не груби."}, {"Collection.Dat", ""},
            {"BigString.Dat", "Длинно."},      {"W1.Dat", "Не знаю."}, {"W2.Dat", "Понятно."},
            {"AI.dat", "Заголовок\r\nКстати."}};
        for (const auto& [name, text] : replies) {
            write(folder / "Base" / name, RtfWriter::write(LineList::fromText(cp(text)).lines()));
        }
    }
    ~Fixture() { fs::remove_all(folder); }

    static void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    void resetWords() const { write(folder / "Base/Words.Dat", wordsBytes); }
};

void plainRead(const fs::path& path, std::string& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    ssize_t got = 0;
    std::size_t done = 0;
    while ((got = ::read(fd, buffer.data() + done, buffer.size() - done)) > 0) {
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    benchmark::DoNotOptimize(buffer.data());
}

// The same bytes saved as the program saves them: beside the file, flushed to disk, renamed over
// it.
void durableWrite(const fs::path& path, const std::string& bytes) {
    const fs::path temp = path.string() + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fdatasync(fd);
    ::close(fd);
    ::rename(temp.c_str(), path.c_str());
}

void plainWrite(const fs::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::close(fd);
}

// The floor: `loads` plain reads and `saves` plain writes of the main file's bytes (with
// `durable`, each write flushed and renamed into place as the program does).
void floorFor(benchmark::State& state, int loads, int saves, bool durable = false) {
    Fixture fixture(static_cast<int>(state.range(0)));
    const fs::path words = fixture.folder / "Base/Words.Dat";
    const fs::path copy = fixture.folder / "Base/Words.copy";
    std::string buffer(fixture.wordsBytes.size(), '\0');
    for (auto _ : state) {
        for (int i = 0; i < loads; ++i) {
            plainRead(words, buffer);
        }
        for (int i = 0; i < saves; ++i) {
            if (durable) {
                durableWrite(copy, fixture.wordsBytes);
            } else {
                plainWrite(copy, fixture.wordsBytes);
            }
        }
    }
}

// Matches a line near the end in the whole-pattern pass: one load of the main file.
// Runs turns on a generated base: phraseFor(n) gives the n-th turn's phrase, and PrevReply is
// set first when the turn is to attach an answer.
template <typename PhraseFor>
void runTurns(benchmark::State& state, PhraseFor phraseFor, const std::string& PrevReply = {}) {
    Fixture fixture(static_cast<int>(state.range(0)));
    SteadyRandom random;
    ReplyEngine engine(LineFiles(PathResolver(fixture.folder)), random);
    QuietSurroundings surroundings;
    int turns = 0;
    auto speak = [&] {
        engine.state().BranchDepth = 0;
        engine.state().PrevReply = PrevReply;
        surroundings.phrase = phraseFor(++turns);
        engine.SpeakClick(surroundings);
    };
    speak(); // the program has read its base once before the user's first phrase
    for (auto _ : state) {
        speak();
    }
}

void MatchingTurn(benchmark::State& state) {
    const int last = static_cast<int>(state.range(0)) - 2;
    const std::string phrase =
        cp("Что скажешь, " + cp1251::toUtf8(cp1251::lower(cp(patternOf(last)))) + "?");
    runTurns(state, [&](int) { return phrase; });
}
void MatchingFloor(benchmark::State& state) {
    floorFor(state, 1, 0);
}

// A phrase the base does not know, after a reply that is a pattern of the base: both lookup
// passes, the known-pattern check and the attaching load the main file (4 loads); the new pattern
// and the attached answer save it (2). Every turn learns a new phrase, as in a real conversation.
void LearningTurn(benchmark::State& state) {
    runTurns(
        state, [](int n) { return cp("Совсем новая фраза номер " + std::to_string(n)); },
        cp(patternOf(5)));
}
void LearningFloor(benchmark::State& state) {
    floorFor(state, 4, 2);
}
void LearningFloorDurable(benchmark::State& state) {
    floorFor(state, 4, 2, true);
}

// The console's report, then each turn over its floors.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // In colour on a terminal only, so that a saved report stays plain text.
    RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (single || run.aggregate_name == "median") {
                times_[run.run_name.function_name][run.run_name.args] = {
                    run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(), run.time_unit};
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::FILE* out = stdout;
        std::fprintf(out, "\n%-16s %-22s %8s %12s %12s %9s %9s\n", "turn", "floor", "lines",
                     "turn (cpu)", "floor (cpu)", "ratio", "ratio (real)");
        ratios(out, "MatchingTurn", "MatchingFloor");
        ratios(out, "LearningTurn", "LearningFloor");
        ratios(out, "LearningTurn", "LearningFloorDurable");
    }

private:
    struct Time {
        double real = 0;
        double cpu = 0;
        benchmark::TimeUnit unit = benchmark::kMillisecond;
    };

    void ratios(std::FILE* out, const std::string& turn, const std::string& floor) {
        for (const auto& [lines, turnTime] : times_[turn]) {
            const auto floorTime = times_[floor].find(lines);
            if (floorTime == times_[floor].end()) {
                continue;
            }
            const Time& f = floorTime->second;
            std::fprintf(
                out, "%-16s %-22s %8s %9.3f %s %9.3f %s %9.2f %9.2f\n", turn.c_str(), floor.c_str(),
                lines.c_str(), turnTime.cpu, benchmark::GetTimeUnitString(turnTime.unit), f.cpu,
                benchmark::GetTimeUnitString(f.unit), turnTime.cpu / f.cpu, turnTime.real / f.real);
        }
    }

    std::map<std::string, std::map<std::string, Time>> times_;
};

} // namespace

BENCHMARK(MatchingFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(MatchingTurn)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LearningFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LearningFloorDurable)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LearningTurn)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
