// lorintal: the chat partner's window program. It works in the program folder it is started in:
// the knowledge base, the sounds, the picture and "Config.ini" are found there.

#include "Cp1251.h"
#include "EffectOutput.h"
#include "MessageBoxReporter.h"
#include "MtRandom.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTranslator>

#include <exception>
#include <filesystem>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lorintal"));
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

    MtRandom random;
    MessageBoxReporter errors;
    FormServices services;
    services.folder = std::filesystem::current_path();
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
    TForm3 Form3(services);
    TForm4 Form4;
    Form1->setOtherForms(&Form2, &Form3, &Form4);
    Form1->showCentred();
    return QApplication::exec();
}
