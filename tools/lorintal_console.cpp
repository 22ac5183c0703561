// lorintal-console: talk to the program at a terminal. Reads phrases in UTF-8, one a line, runs a
// reply turn for each exactly as the window does, and prints the log lines each turn adds.
//
// With --exchange FILE it is instead a partner in the Cpu\Cpu mode: every period it answers line 0
// of FILE and writes its reply there, as a copy of the window does on the timer trigger.

#include "ConsoleExchange.h"
#include "ConsoleSurroundings.h"
#include "Cp1251.h"
#include "FileError.h"
#include "LineFiles.h"
#include "MtRandom.h"
#include "ReplyEngine.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace {

struct Options {
    std::filesystem::path folder = std::filesystem::current_path();
    std::unique_ptr<MtRandom> random;
    bool explain = false;
    std::optional<std::string> exchange; // UTF-8, as given
    int period = 1000;
    long turns = 0; // 0: until stopped
};

int usage() {
    std::cerr << "usage: lorintal-console [--dir DIR] [--seed N] [--explain]\n"
                 "       lorintal-console --exchange FILE [--period MS] [--turns N] [--dir DIR] "
                 "[--seed N]\n";
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

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        return usage();
    }
    if (!std::filesystem::is_directory(options.folder)) {
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
