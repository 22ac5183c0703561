#pragma once

#include <array>

// Every file the program uses, by the name the program writes it with, and the fixed texts of the
// status bar. The resolver finds the files whatever their letter case on disk.
namespace programfiles {

// The knowledge base.
inline constexpr const char* Words = "Base\\Words.Dat";
inline constexpr const char* Povtor = "Base\\Povtor.Dat";
inline constexpr const char* X = "Base\\X.Dat";
inline constexpr const char* Collection = "Base\\Collection.Dat";
inline constexpr const char* BigString = "Base\\BigString.Dat";
inline constexpr const char* W1 = "Base\\W1.Dat";
inline constexpr const char* W2 = "Base\\W2.Dat";
inline constexpr const char* AI = "Base\\AI.dat";
inline constexpr const char* Pause = "Base\\Pause.Dat";
inline constexpr const char* Begin = "Base\\Begin.dat";
inline constexpr const char* Dictionary = "Base\\dictionary.dat";
inline constexpr const char* Log = "Base\\Log.Mirtel";

// The header line of "Base\Words.Dat", written when learning starts an empty file: "Основная
// база: шаблон^ответ;ответ;" in Windows-1251.
inline const char* wordsHeader() {
    return "\xce\xf1\xed\xee\xe2\xed\xe0\xff \xe1\xe0\xe7\xe0: "
           "\xf8\xe0\xe1\xeb\xee\xed^\xee\xf2\xe2\xe5\xf2;\xee\xf2\xe2\xe5\xf2;";
}

// The settings read at start.
inline constexpr const char* Config = "Config.ini";

// The about window's picture and history.
inline constexpr const char* Picture = "Images\\Inform.bmp";
inline constexpr const char* ReadMe = "ReadMe.Txt";

// The sound cues, in the order the window opens them: a key, the user's phrase, the layout
// converter, the start-up shake, a line the program says, the farewell.
inline constexpr std::array<const char*, 6> Sounds = {"Sound\\KeyBoard.wav", "Sound\\Button3.wav",
                                                      "Sound\\Button2.wav",  "Sound\\Button1.wav",
                                                      "Sound\\CpuSound.wav", "Sound\\Close.wav"};

} // namespace programfiles

// The fixed texts of status panel 0, in UTF-8.
namespace statustexts {
inline constexpr const char* Loading = "Идёт загрузка подождите...";
inline constexpr const char* Loaded = "Загрузка окончена";
inline constexpr const char* NoMatch = "[NONE]";
} // namespace statustexts
