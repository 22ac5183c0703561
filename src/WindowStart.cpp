#include "WindowStart.h"

#include "dialogue/ProgramFolder.h"
#include "dialogue/ProgramVersion.h"
#include "ui/DisplayChoice.h"
#include "ui/MessageBoxReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <cstdlib>
#include <iostream>
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

} // namespace

std::optional<int> WindowStart::beforeQt(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dir" && i + 1 < argc) {
            folder_ = argv[++i];
        } else if (arg == "--help") {
            std::cout << kHelp;
            return 0;
        } else if (arg == "--version") {
            std::cout << ProgramVersion::line("lorintal") << '\n';
            return 0;
        } else {
            std::cerr << "lorintal: unknown option " << arg << '\n'
                      << "Try 'lorintal --help' for more information.\n";
            return 2;
        }
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
    return std::nullopt;
}

std::optional<std::filesystem::path> WindowStart::programFolder() const {
    std::ostringstream said;
    std::optional<std::filesystem::path> folder = folder_;
    if (!folder) {
        folder = ProgramFolder::chooseAtStart("lorintal", said);
    }
    std::error_code error;
    if (folder) {
        std::filesystem::current_path(*folder, error);
        if (error) {
            said << "lorintal: cannot work in " << folder->string() << ": " << error.message()
                 << '\n';
        }
    }
    std::cerr << said.str();
    if (!folder || error) {
        QMessageBox::critical(nullptr, MessageBoxReporter::title(),
                              QString::fromStdString(said.str()).trimmed());
        return std::nullopt;
    }
    return std::filesystem::current_path();
}

QIcon WindowStart::icon() {
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
