// lorintal-kb: looks after a program folder's knowledge base.
//   lorintal-kb check [--dir DIR]   reports what is wrong, with file and line index;
//                                   exit 0 when clean, 1 with findings, 2 when unreadable
//   lorintal-kb stats [--dir DIR]   prints the counts the program shows
//   lorintal-kb print FILE [--dir DIR]
//                                   prints the lines of a file of the base in UTF-8, one a line
//   lorintal-kb review [--list] [--dir DIR]
//                                   goes through the learned lines still without a reply
//   lorintal-kb teach FILE [--dry-run] [--dir DIR]
//                                   teaches the base a dialogue
//   lorintal-kb backup|backups [--dir DIR], lorintal-kb restore SNAPSHOT [--dir DIR]
//                                   takes, lists and puts back snapshots of the base

#include "dialogue/KbStatistics.h"
#include "dialogue/ProgramFolder.h"
#include "dialogue/ProgramVersion.h"
#include "engine/Cp1251.h"
#include "engine/FileError.h"
#include "engine/LineFiles.h"
#include "engine/ProgramFiles.h"
#include "engine/WorkList.h"
#include "tools/BaseSnapshots.h"
#include "tools/KbBackups.h"
#include "tools/KbChecker.h"
#include "tools/KbReview.h"
#include "tools/KbTeacher.h"
#include "tools/ToolMain.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr const char* kHelp = R"(Usage: lorintal-kb check|stats|review|backup|backups [--dir DIR]
       lorintal-kb print FILE [--dir DIR]
       lorintal-kb teach FILE [--dry-run] [--dir DIR]
       lorintal-kb restore SNAPSHOT [--dir DIR]
Look after a program folder's knowledge base.

  check        report what is wrong, by file and line index
  stats        print the counts the program shows, and learned lines still
               without a reply
  print FILE   print the lines of a file of the base in UTF-8, one a line;
               FILE as the program names it, e.g. 'Base\Words.Dat'
  review       go through the learned lines still without a reply, newest
               first: type a reply to attach it, '-' to delete the line,
               Enter to skip, 'q' to stop; each change is saved at once
  review --list
               only list them, with their line index
  teach FILE   teach the base a dialogue: plain text, one utterance a line,
               the speakers taking turns (UTF-8 or Windows-1251), or the
               program's own Base\Log.Mirtel; each phrase the base does not
               answer yet gets the reply that followed it
  teach FILE --dry-run
               say what teaching would do, and change nothing
  backup       take a snapshot of Base into Backups (the last 20 are kept)
  backups      list the snapshots with their sizes and counts
  restore SNAPSHOT
               put a snapshot back (a path, or a name that backups lists);
               the base as it was is snapshotted first
  --dir DIR    the program folder to look at
  --help       display this help and exit
  --version    output version information and exit

Without --dir: the working directory when it holds Base\Words.Dat, else
$XDG_DATA_HOME/lorintal (~/.local/share/lorintal).

Exit status of check: 0 when clean, 1 with findings, 2 when the base cannot
be read or the command line is wrong.
)";

int usage() {
    std::cerr << "usage: lorintal-kb check|stats|review|backup|backups [--dir DIR]\n"
                 "       lorintal-kb print|teach FILE [--dir DIR]\n"
                 "       lorintal-kb restore SNAPSHOT [--dir DIR]\n"
                 "Try 'lorintal-kb --help' for more information.\n";
    return 2;
}

int check(const LineFiles& files) {
    const auto findings = KbChecker(files).check();
    for (const auto& finding : findings) {
        std::cout << finding.file;
        if (finding.line >= 0) {
            std::cout << " line " << finding.line;
        }
        std::cout << ": " << finding.what << '\n';
    }
    if (findings.empty()) {
        std::cout << "The knowledge base is well-formed.\n";
    } else {
        std::cout << findings.size() << " findings.\n";
    }
    return findings.empty() ? 0 : 1;
}

class PrintedCaptions : public KbStatistics::CaptionSink {
public:
    void appendToCaption(KbStatistics::MenuItem item, const std::string& suffix) override {
        static const char* const names[] = {
            "Входящие выражения:", "Исходящие выражения:", "Итого:"};
        std::cout << names[static_cast<int>(item)] << suffix << '\n';
    }
};

int stats(const LineFiles& files) {
    WorkList RE2(files);
    RE2.load(programfiles::Words);
    const LineList words = RE2.lines();
    std::cout << cp1251::toUtf8(KbStatistics::statusText(KbStatistics::countPhrases(words)))
              << '\n';
    PrintedCaptions captions;
    KbStatistics().T8Tick(RE2, captions);
    std::cout << "Выученных фраз без ответа: " << KbReview::waitingLines(words).size() << '\n';
    return 0;
}

// The lines as the program reads them, for scripts and for a look without an RTF reader.
int print(const LineFiles& files, const std::string& name) {
    for (const std::string& line : files.load(cp1251::fromUtf8(name)).lines()) {
        std::cout << cp1251::toUtf8(line) << '\n';
    }
    return 0;
}

int run(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "--version") {
        std::cout << (command == "--help" ? kHelp : ProgramVersion::line("lorintal-kb") + "\n");
        return 0;
    }
    std::string file;
    int options = 2;
    if (command == "print" || command == "teach" || command == "restore") {
        if (argc < 3) {
            return usage();
        }
        file = argv[2];
        options = 3;
    }
    std::filesystem::path folder;
    bool listOnly = false;
    bool dryRun = false;
    for (int i = options; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--dir" && i + 1 < argc) {
            folder = argv[++i];
        } else if (option == "--list" && command == "review") {
            listOnly = true;
        } else if (option == "--dry-run" && command == "teach") {
            dryRun = true;
        } else {
            return usage();
        }
    }
    if (folder.empty()) {
        try {
            folder = ProgramFolder::find(ProgramFolder::here());
        } catch (const std::exception& error) {
            std::cerr << "lorintal-kb: " << error.what() << '\n';
            return 2;
        }
    }
    if (!toolmain::isReadableFolder(folder)) {
        std::cerr << "lorintal-kb: cannot read the program folder " << folder.string() << '\n';
        return 2;
    }
    const LineFiles files{PathResolver(folder)};
    try {
        if (command == "check") {
            return check(files);
        }
        if (command == "stats") {
            return stats(files);
        }
        if (command == "print") {
            return print(files, file);
        }
        if (command == "review") {
            if (listOnly) {
                KbReview(files).list(std::cout);
            } else {
                KbReview(files).ask(std::cin, std::cout);
            }
            return 0;
        }
        if (command == "teach") {
            // The progress bar is for a person watching; a script gets the summary alone.
            return KbTeacher::command(files, file, dryRun, std::cout,
                                      ::isatty(STDERR_FILENO) ? &std::cerr : nullptr);
        }
        if (command == "backup") {
            return KbBackups(files).backup(std::cout);
        }
        if (command == "backups") {
            return KbBackups(files).list(std::cout);
        }
        if (command == "restore") {
            return KbBackups(files).restore(file, std::cout);
        }
    } catch (const FileError& error) {
        std::cerr << cp1251::toUtf8(error.what()) << '\n';
        return 2;
    } catch (const BaseSnapshots::Error& error) {
        std::cerr << "lorintal-kb: " << error.what() << '\n';
        return 2;
    }
    return usage();
}

} // namespace

int main(int argc, char** argv) {
    return toolmain::reportingFailures("lorintal-kb", [&] { return run(argc, argv); });
}
