// lorintal: the chat partner's window program. It works in a program folder, where the knowledge
// base, the sounds, the picture and "Config.ini" are found: the one it is started in when that
// holds the base, else the user's own folder (see WindowStart).

#include "WindowStart.h"
#include "engine/Cp1251.h"
#include "engine/MtRandom.h"
#include "tools/BaseSnapshots.h"
#include "ui/CpText.h"
#include "ui/EffectOutput.h"
#include "ui/MessageBoxReporter.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTranslator>

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

int main(int argc, char** argv) {
    WindowStart start;
    if (const std::optional<int> status = start.beforeQt(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lorintal"));
    QApplication::setDesktopFileName(QStringLiteral("org.lorintal.Lorintal")); // its menu entry
    QApplication::setWindowIcon(WindowStart::icon());
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(classic); // the bevelled silver look the window was drawn for
    }
    // The interface is Russian: so are the toolkit's own dialogs, such as the colour chooser,
    // where the translations are installed.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkitTexts);
    }
    const std::optional<std::filesystem::path> folder = start.programFolder();
    if (!folder) {
        return 1;
    }
    BaseSnapshots::takeDaily(*folder, std::cerr); // said on standard error; the start goes on

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
        QMessageBox::critical(nullptr, MessageBoxReporter::title(), fromCp(error.what()));
        return 1;
    }
    TForm2 Form2;
    TForm3 Form3(services);
    TForm4 Form4(*Form1);
    Form1->setOtherForms(&Form2, &Form3, &Form4);
    Form1->showCentred();
    return QApplication::exec();
}
