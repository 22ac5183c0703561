// lorintal-console: talk to the program at a terminal. Reads phrases in UTF-8, one a line, runs a
// reply turn for each exactly as the window does, and prints the log lines each turn adds.
//
// With --exchange FILE it is instead a partner in the Cpu\Cpu mode: every period it answers line 0
// of FILE and writes its reply there, as a copy of the window does on the timer trigger.

#include "dialogue/ProgramFolder.h"
#include "dialogue/ProgramVersion.h"
#include "engine/Cp1251.h"
#include "engine/FileError.h"
#include "engine/LineFiles.h"
#include "engine/MtRandom.h"
#include "engine/ReplyEngine.h"
#include "tools/ConsoleExchange.h"
#include "tools/ConsoleSurroundings.h"
#include "tools/ToolMain.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace {

struct Options {
    std::filesystem::path folder; // chosen as the window program chooses it, unless given
    std::unique_ptr<MtRandom> random;
    bool explain = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> exchange; // UTF-8, as given
    int period = 1000;
    long turns = 0; // 0: until stopped
};

constexpr const char* kHelp = R"(Usage: lorintal-console [OPTION]...
Talk to lorintal at a terminal: reads phrases in UTF-8, one a line, answers each
exactly as the window does, and prints the log lines of every turn.

  --dir DIR    work in the program folder DIR
  --seed N     make every random choice reproducible
  --explain    tell on standard error where each reply came from
  --exchange FILE  be a partner in the Cpu\Cpu mode instead: every period answer
               the first line of FILE (taken from the working directory) and
               write the reply there, as the window does on its timer trigger
  --period MS  the partner's period in milliseconds, 1 to 36000 (default 1000)
  --turns N    end after N turns (default: on Ctrl+C or SIGTERM, once the turn
               in progress is written)
  --help       display this help and exit
  --version    output version information and exit

Without --dir, the program works in the working directory when it holds
Base\Words.Dat, else in $XDG_DATA_HOME/lorintal (~/.local/share/lorintal),
which the first start makes from the installed data.
)";

int usage() {
    std::cerr << "usage: lorintal-console [--dir DIR] [--seed N] [--explain]\n"
                 "       lorintal-console --exchange FILE [--period MS] [--turns N] [--dir DIR] "
                 "[--seed N]\n"
                 "Try 'lorintal-console --help' for more information.\n";
    return 2;
}

// A whole number from `low` to `high`, or nothing.
std::optional<long> number(const std::string& text, long low, long high) {
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used);
        if (used == text.size() && value >= low && value <= high) {
            return value;
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dir" && i + 1 < argc) {
            options.folder = argv[++i];
        } else if (arg == "--explain") {
            options.explain = true;
        } else if (arg == "--exchange" && i + 1 < argc) {
            options.exchange = argv[++i];
        } else if (arg == "--period" && i + 1 < argc) {
            const auto period = number(argv[++i], 1, 36000);
            if (!period) {
                return false;
            }
            options.period = static_cast<int>(*period);
        } else if (arg == "--turns" && i + 1 < argc) {
            const auto turns = number(argv[++i], 1, std::numeric_limits<long>::max());
            if (!turns) {
                return false;
            }
            options.turns = *turns;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--seed" && i + 1 < argc) {
            try {
                options.random =
                    std::make_unique<MtRandom>(static_cast<std::uint32_t>(std::stoul(argv[++i])));
            } catch (const std::exception&) {
                return false;
            }
        } else {
            return false;
        }
    }
    if (!options.random) {
        options.random = std::make_unique<MtRandom>();
    }
    return true;
}

// Where the reply came from, on standard error so that the log lines stay as they are.
void explain(const ReplySource& source) {
    std::cerr << "  [" << ReplySource::stageName(source.stage);
    if (!source.file.empty()) {
        std::cerr << ": " << source.file << " line " << source.line;
    }
    std::cerr << "]\n";
}

std::string withoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.pop_back();
    }
    return line;
}

// The partner's loop: Ctrl+C or SIGTERM ends it once the turn in progress is written. The exchange
// file's name is taken from the working directory, as the window takes it from its own.
int converse(ReplyEngine& engine, ConsoleSurroundings& console, const Options& options) {
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    ConsoleExchange exchange(engine, console,
                             LineFiles(PathResolver(std::filesystem::current_path())),
                             cp1251::fromUtf8(*options.exchange), options.period, std::cerr);
    std::cout.setf(std::ios::unitbuf); // every log line as soon as its turn is done
    exchange.run(options.turns, [] { return stopRequested != 0; });
    return 0;
}

int run(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        return usage();
    }
    if (options.help || options.version) {
        std::cout << (options.help ? kHelp : ProgramVersion::line("lorintal-console") + "\n");
        return 0;
    }
    if (options.folder.empty()) {
        const auto chosen = ProgramFolder::chooseAtStart("lorintal-console", std::cerr);
        if (!chosen) {
            return 2;
        }
        options.folder = *chosen;
    }
    if (!toolmain::isReadableFolder(options.folder)) {
        std::cerr << "lorintal-console: no program folder at " << options.folder.string() << '\n';
        return 2;
    }
    ReplyEngine engine(LineFiles(PathResolver(options.folder)), *options.random);
    ConsoleSurroundings console(std::cout);
    if (options.exchange) {
        return converse(engine, console, options);
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        console.setInput(cp1251::fromUtf8(withoutLineEnd(line)));
        try {
            engine.SpeakClick(console);
            if (options.explain) {
                std::cout.flush();
                explain(engine.lastSource());
            }
        } catch (const FileError& error) {
            std::cout.flush();
            std::cerr << cp1251::toUtf8(error.what()) << std::endl;
        }
        std::cout.flush();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return toolmain::reportingFailures("lorintal-console", [&] { return run(argc, argv); });
}
