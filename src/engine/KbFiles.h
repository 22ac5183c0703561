#pragma once

// The names of the knowledge-base files, as the program writes them. The resolver finds them
// whatever their letter case on disk.
namespace kbfiles {
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

// The about window's picture and history.
inline constexpr const char* Picture = "Images\\Inform.bmp";
inline constexpr const char* ReadMe = "ReadMe.Txt";
} // namespace kbfiles
