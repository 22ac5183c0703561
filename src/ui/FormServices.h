#pragma once

#include "ui/SoundOutput.h"

#include <QDateTime>

#include <filesystem>
#include <functional>

class ErrorReporter;
class Random;

// What the main window takes from the world around it, so that a test can give it a folder of
// its own, scripted chance, a recorder for its errors and silent sound cues.
struct FormServices {
    std::filesystem::path folder;    // the program folder: the knowledge base, sounds, Config.ini
    Random* random = nullptr;        // every random choice of the program
    ErrorReporter* errors = nullptr; // where failures are shown
    SoundOutputFactory soundOutputs; // what makes a cue audible
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};
