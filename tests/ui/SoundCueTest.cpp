// The sound cues: their files checked at start, the first failing one stopping the program, and
// playing that never starts a sounding cue over.

#include "ui/SoundCue.h"

#include "FormFixture.h"
#include "engine/PathResolver.h"
#include "ui/SoundError.h"
#include "ui/WaveFile.h"

namespace {

std::string withFormatTag(int tag) {
    std::string wave = playableWave();
    wave[20] = static_cast<char>(tag);
    return wave;
}

TEST(WaveFile, AcceptsPlayableWavesAndSaysWhatIsWrongWithOthers) {
    const std::string good = playableWave();
    std::string eightBitStereo = good;
    eightBitStereo[22] = 2;
    eightBitStereo[34] = 8;
    std::string twelveBits = good;
    twelveBits[34] = 12;
    const std::string noData = good.substr(0, 36);
    const std::string dataFirst =
        std::string("RIFF\x24\0\0\0WAVE", 12) + good.substr(36) + good.substr(12, 24);
    const struct {
        const char* name;
        std::string bytes;
        const char* problem; // nullptr: playable
    } cases[] = {
        {"16-bit PCM", good, nullptr},
        {"8-bit stereo", eightBitStereo, nullptr},
        {"float samples", withFormatTag(3), nullptr},
        {"cut short", good.substr(0, 46), nullptr},
        {"empty", "", "it is not a wave sound"},
        {"text", "hello, this is not a sound at all", "it is not a wave sound"},
        {"compressed", withFormatTag(2), "its samples are compressed"},
        {"odd sample size", twelveBits, "its sample format is not supported"},
        {"no data chunk", noData, "it holds no sound data"},
        {"data before format", dataFirst, "its sound data comes before its format"},
        {"no format chunk", std::string("RIFF\4\0\0\0WAVE", 12), "it has no format chunk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto problem = WaveFile::problem(c.bytes);
        if (c.problem) {
            EXPECT_EQ(problem.value_or("playable"), c.problem);
        } else {
            EXPECT_EQ(problem, std::nullopt);
        }
    }
}

using SoundCues = FormTest;

TEST_F(SoundCues, FirstCueThatCannotBePlayedStopsTheStart) {
    std::filesystem::remove(folder.path() / "Sound/Close.wav");
    folder.write("Sound/Button2.wav", "not a sound");
    try {
        form();
        FAIL() << "the window was made";
    } catch (const SoundError& error) {
        EXPECT_STREQ(error.what(), "Cannot play file Sound\\Button2.wav: it is not a wave sound");
    }
    std::filesystem::remove(folder.path() / "Sound/Button2.wav");
    EXPECT_THROW(form(), SoundError);
    try {
        form();
    } catch (const SoundError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file Sound\\Button2.wav");
    }
}

TEST_F(SoundCues, NamesAreFoundWhateverTheirCaseOnDisk) {
    std::filesystem::rename(folder.path() / "Sound/Close.wav", folder.path() / "Sound/CLOSE.WAV");
    EXPECT_NO_THROW(form());
}

TEST_F(SoundCues, SoundingCueIsNotStartedOverAndAFinishedOneIs) {
    SoundCue cue("Sound\\KeyBoard.wav", PathResolver(folder.path()), services().soundOutputs);
    cue.play();
    cues.sounding["KeyBoard.wav"] = true;
    cue.play();
    cue.play();
    EXPECT_EQ(cues.count("KeyBoard.wav"), 1);
    cues.sounding["KeyBoard.wav"] = false;
    cue.play();
    EXPECT_EQ(cues.count("KeyBoard.wav"), 2);
}

TEST_F(SoundCues, CuesAreOpenedInTheirOrder) {
    std::vector<std::string> opened;
    FormServices s = services();
    s.soundOutputs = [&opened, this](const std::filesystem::path& file) {
        opened.push_back(file.filename().string());
        return std::make_unique<RecordingOutput>(file.filename().string(), cues);
    };
    TForm1 w(s);
    EXPECT_EQ(opened, (std::vector<std::string>{"KeyBoard.wav", "Button3.wav", "Button2.wav",
                                                "Button1.wav", "CpuSound.wav", "Close.wav"}));
}

} // namespace
