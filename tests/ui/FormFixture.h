#pragma once

#include "support/Cp.h"
#include "support/ScriptedRandom.h"
#include "support/TempFolder.h"
#include "ui/ErrorReporter.h"
#include "ui/FormServices.h"
#include "ui/InputLine.h"
#include "ui/SoundOutput.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// The one application of a test process, on the offscreen platform unless told otherwise. It
// lives until the process ends: destroyed among the other statics at exit, it would outlive parts
// of Qt it still uses.
inline QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "lorintal-test";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// The error box of a test: it keeps every message shown.
class RecordingReporter : public ErrorReporter {
public:
    void report(const QString& message) override { messages.push_back(message.toStdString()); }
    std::vector<std::string> messages; // UTF-8
};

// Silent sound cues that remember which cue was started, in order. A test decides whether a cue
// is still sounding.
struct CueLog {
    std::vector<std::string> started;     // file names, "Close.wav"
    std::map<std::string, bool> sounding; // file name -> still playing

    int count(const std::string& file) const {
        return static_cast<int>(std::count(started.begin(), started.end(), file));
    }
};

class RecordingOutput : public SoundOutput {
public:
    RecordingOutput(std::string file, CueLog& log) : file_(std::move(file)), log_(log) {}
    bool isPlaying() const override { return log_.sounding[file_]; }
    void start() override { log_.started.push_back(file_); }

private:
    std::string file_;
    CueLog& log_;
};

// Types text key by key, as a user would; QTest's own typing knows only ASCII.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A WAV file the cues accept: 16-bit mono PCM with a few samples.
inline std::string playableWave() {
    std::string wave(
        "RIFF\x2C\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x80\x3E\0\0\x02\0\x10\0"
        "data\x08\0\0\0",
        44);
    return wave + std::string(8, '\0');
}

// The lines of a "Config.ini" that applies every setting with the values the window starts with.
inline std::vector<std::string> defaultConfig() {
    std::vector<std::string> lines = {"[Look]",
                                      "Shake=YES",
                                      "",
                                      "",
                                      "[Colours]",
                                      "Window=12632256",
                                      "View=12632256",
                                      "Input=12632256",
                                      "",
                                      "",
                                      "Speak=0",
                                      "Cancel=0",
                                      "EnRus=0",
                                      "User=0",
                                      "Cpu=0",
                                      "InputText=0",
                                      "[User font]",
                                      "Font=MS Sans Serif",
                                      "Style=[]",
                                      "Size=8",
                                      "[Cpu font]",
                                      "Font=MS Sans Serif",
                                      "Style=[]",
                                      "Size=8",
                                      "[Input font]",
                                      "Font=MS Sans Serif",
                                      "Style=[]"};
    return lines;
}

// A main window over a program folder of its own: a small knowledge base, the six sounds, a
// "Config.ini", scripted chance, recorded errors and silent cues. The window is made on first use,
// so a test can change the folder before.
class FormFolder {
public:
    FormFolder() {
        testApplication();
        writeBase();
        for (const char* sound :
             {"KeyBoard", "Button3", "Button2", "Button1", "CpuSound", "Close"}) {
            folder.write(std::string("Sound/") + sound + ".wav", playableWave());
        }
        writeConfig(defaultConfig());
    }

    // Text files are written in Windows-1251 with CR LF, as the program keeps them.
    void writeLines(const std::string& file, const std::vector<std::string>& utf8Lines) {
        std::string bytes;
        for (const std::string& line : utf8Lines) {
            bytes += cp(line) + "\r\n";
        }
        folder.write(file, bytes);
    }

    void writeConfig(const std::vector<std::string>& lines) { writeLines("Config.ini", lines); }

    void writeBase() {
        writeLines("Base/Words.Dat", {"Grammar", "ПРИВЕТ^Привет!;Здравствуй.;", "КАК ДЕЛА^Хорошо.;",
                                      "_ХОРОШО^Вот и славно.;", "ПОКА^До свидания!;@"});
        for (const char* file : {"Povtor", "X", "Collection", "BigString", "Pause"}) {
            writeLines(std::string("Base/") + file + ".Dat", {"Ты это уже говорил."});
        }
        writeLines("Base/W1.Dat", {"Не понимаю?"});
        writeLines("Base/W2.Dat", {"Расскажи ещё."});
        writeLines("Base/AI.dat", {"Header", "А знаешь что?"});
        writeLines("Base/Begin.dat", {"Здравствуй!"});
        folder.write("Base/Log.Mirtel", "");
    }

    // Writes the completion dictionary and switches completion on, as the menu item does.
    void completionOn(const std::vector<std::string>& entries = {}) {
        writeLines("Base/dictionary.dat", entries);
        form().N24Click();
    }

    FormServices services() {
        FormServices s;
        s.folder = folder.path();
        s.random = &random;
        s.errors = &errors;
        s.soundOutputs = [this](const std::filesystem::path& file) {
            return std::make_unique<RecordingOutput>(file.filename().string(), cues);
        };
        s.now = [this] { return now; };
        return s;
    }

    TForm1& form() {
        if (!form_) {
            form_ = std::make_unique<TForm1>(services());
        }
        return *form_;
    }

    // Types a phrase into the input line as the program would see it and runs a turn.
    void say(const std::string& utf8) {
        form().Input->setText(QString::fromStdString(utf8));
        form().SpeakClick();
    }

    std::vector<std::string> viewLines() {
        std::vector<std::string> lines;
        for (const std::string& line : form().transcript.view().lines()) {
            lines.push_back(utf(line));
        }
        return lines;
    }

    std::vector<std::string> logLines() {
        std::vector<std::string> lines;
        for (const std::string& line : form().Log().lines()) {
            lines.push_back(utf(line));
        }
        return lines;
    }

    TempFolder folder;
    ScriptedRandom random;
    RecordingReporter errors;
    CueLog cues;
    QDateTime now{QDate(2024, 3, 9), QTime(7, 5, 3)};
    std::unique_ptr<TForm1> form_;
};

class FormTest : public ::testing::Test, public FormFolder {};
