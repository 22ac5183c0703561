// lorintal-console: talk to the program at a terminal. Reads phrases in UTF-8, one a line, runs a
// reply turn for each exactly as the window does, and prints the log lines each turn adds.

#include "ConsoleSurroundings.h"
#include "Cp1251.h"
#include "FileError.h"
#include "LineFiles.h"
#include "MtRandom.h"
#include "ProgramFolder.h"
#include "ProgramVersion.h"
#include "ReplyEngine.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {

struct Options {
    std::filesystem::path folder; // chosen as the window program chooses it, unless given
    std::unique_ptr<MtRandom> random;
    bool explain = false;
    bool help = false;
    bool version = false;
};

constexpr const char* kHelp = R"(Usage: lorintal-console [OPTION]...
Talk to lorintal at a terminal: reads phrases in UTF-8, one a line, answers each
exactly as the window does, and prints the log lines of every turn.

  --dir DIR    work in the program folder DIR
  --seed N     make every random choice reproducible
  --explain    tell on standard error where each reply came from
  --help       display this help and exit
  --version    output version information and exit

Without --dir, the program works in the working directory when it holds
Base\Words.Dat, else in $XDG_DATA_HOME/lorintal (~/.local/share/lorintal),
which the first start makes from the installed data.
)";

int usage() {
    std::cerr << "usage: lorintal-console [--dir DIR] [--seed N] [--explain]\n"
                 "Try 'lorintal-console --help' for more information.\n";
    return 2;
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dir" && i + 1 < argc) {
            options.folder = argv[++i];
        } else if (arg == "--explain") {
            options.explain = true;
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
    std::error_code error;
    if (!std::filesystem::is_directory(options.folder, error) ||
        ::access(options.folder.c_str(), R_OK | X_OK) != 0) {
        std::cerr << "lorintal-console: no program folder at " << options.folder.string() << '\n';
        return 2;
    }
    ReplyEngine engine(LineFiles(PathResolver(options.folder)), *options.random);
    ConsoleSurroundings console(std::cout);
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

// Whatever the file system does (a folder that may not be entered, a link loop), the program
// ends with one line naming the path, never with an uncaught exception.
int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::filesystem::filesystem_error& error) {
        std::cerr << "lorintal-console: " << error.path1().string() << ": "
                  << error.code().message() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "lorintal-console: " << error.what() << '\n';
    }
    return 2;
}
