// lorintal: the chat partner's window program. It works in a program folder, where the knowledge
// base, the sounds, the picture and "Config.ini" are found: the one it is started in when that
// holds the base, else the user's own folder (see ProgramFolder), or the one --dir names.

#include "Cp1251.h"
#include "DisplayChoice.h"
#include "EffectOutput.h"
#include "MessageBoxReporter.h"
#include "MtRandom.h"
#include "ProgramFolder.h"
#include "ProgramVersion.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QStyleFactory>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace {

constexpr const char* kHelp = R"(Usage: lorintal [--dir DIR]
Open the window of lorintal, the chat partner.

  --dir DIR    work in the program folder DIR
  --help       display this help and exit
  --version    output version information and exit

Without --dir, the program works in the working directory when it holds
Base\Words.Dat, else in $XDG_DATA_HOME/lorintal (~/.local/share/lorintal),
which the first start makes from the installed data. With no display, it
names lorintal-console, which talks at a terminal.
)";

struct Options {
    std::optional<std::filesystem::path> folder;
    bool help = false;
    bool version = false;
};

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dir" && i + 1 < argc) {
            options.folder = argv[++i];
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else {
            std::cerr << "lorintal: unknown option " << arg << "\n"
                      << "Try 'lorintal --help' for more information.\n";
            return std::nullopt;
        }
    }
    return options;
}

// The folder to work in, made the working directory too; nullopt when there is none. What was
// made, and why there is no folder, is said on `messages`.
std::optional<std::filesystem::path> programFolder(const Options& options, std::ostream& messages) {
    std::optional<std::filesystem::path> folder = options.folder;
    if (!folder) {
        folder = ProgramFolder::chooseAtStart("lorintal", messages);
    }
    if (!folder) {
        return std::nullopt;
    }
    std::error_code error;
    std::filesystem::current_path(*folder, error);
    if (error) {
        messages << "lorintal: cannot work in " << folder->string() << ": " << error.message()
                 << '\n';
        return std::nullopt;
    }
    return std::filesystem::current_path();
}

// The icon of the desktop's theme, else the one installed beside the program, which any prefix
// and the build tree have.
QIcon programIcon() {
    QIcon icon = QIcon::fromTheme(QStringLiteral("lorintal"));
    if (!icon.isNull()) {
        return icon;
    }
    const QDir theme(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/../share/icons/hicolor"));
    for (const QString& size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = theme.filePath(size + QStringLiteral("/apps/lorintal.png"));
        if (QFile::exists(file)) {
            icon.addFile(file);
        }
    }
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        return 2;
    }
    if (options->help || options->version) {
        std::cout << (options->help ? kHelp : ProgramVersion::line("lorintal") + "\n");
        return 0;
    }
    const DisplayChoice display = DisplayChoice::fromEnvironment();
    if (!display.failure.empty()) {
        std::cerr << display.failure << '\n';
        return 1;
    }
    if (!display.warning.empty()) {
        std::cerr << display.warning << '\n';
    }
    if (!display.platform.empty()) {
        ::setenv("QT_QPA_PLATFORM", display.platform.c_str(), 1);
    }
    std::ostringstream said;
    const std::optional<std::filesystem::path> folder = programFolder(*options, said);
    std::cerr << said.str();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lorintal"));
    QApplication::setDesktopFileName(QStringLiteral("org.lorintal.Lorintal")); // its menu entry
    QApplication::setWindowIcon(programIcon());
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(classic); // the bevelled silver look the window was drawn for
    }
    if (!folder) { // started from the menu, nobody reads standard error
        QMessageBox::critical(nullptr, MessageBoxReporter::title(),
                              QString::fromStdString(said.str()).trimmed());
        return 1;
    }

    MtRandom random;
    MessageBoxReporter errors;
    FormServices services;
    services.folder = *folder;
    services.random = &random;
    services.errors = &errors;
    services.soundOutputs = EffectOutput::factory();

    std::unique_ptr<TForm1> Form1;
    try {
        Form1 = std::make_unique<TForm1>(services);
    } catch (const std::exception& error) {
        // A sound cue that cannot be played: the program cannot start.
        QMessageBox::critical(nullptr, MessageBoxReporter::title(),
                              QString::fromStdString(cp1251::toUtf8(error.what())));
        return 1;
    }
    TForm2 Form2;
    TForm3 Form3;
    TForm4 Form4;
    Form1->setOtherForms(&Form2, &Form3, &Form4);
    Form1->showCentred();
    return QApplication::exec();
}
