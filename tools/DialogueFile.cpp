#include "tools/DialogueFile.h"

#include "engine/Cp1251.h"
#include "engine/FileBytes.h"
#include "engine/FileError.h"
#include "engine/LineFiles.h"
#include "tools/LearnableText.h"

#include <optional>

namespace {

constexpr std::string_view kUserMark = "USER:";
constexpr std::string_view kCpuMark = "CPU:";

bool validUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t more = lead < 0x80             ? 0
                                 : (lead & 0xe0) == 0xc0 ? 1
                                 : (lead & 0xf0) == 0xe0 ? 2
                                 : (lead & 0xf8) == 0xf0 ? 3
                                                         : 4;
        if (more > 3 || bytes.size() - i <= more) {
            return false;
        }
        for (std::size_t k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xc0) != 0x80) {
                return false;
            }
        }
        i += more + 1;
    }
    return true;
}

// The lines in Windows-1251: RTF as the program writes it, else plain text in either encoding.
std::vector<std::string> textLines(std::string_view bytes) {
    if (bytes.substr(0, 5) == "{\\rtf") {
        return LineFiles::parse(bytes).lines();
    }
    if (bytes.substr(0, 3) == "\xef\xbb\xbf") {
        bytes.remove_prefix(3);
    }
    if (validUtf8(bytes)) {
        return LineList::fromText(cp1251::fromUtf8(bytes)).lines();
    }
    return LineList::fromText(bytes).lines();
}

// Who says a line of the conversation log: 'U', 'C', or 0 for a line of a header.
char speakerOf(std::string_view line, std::string_view& said) {
    for (const auto& [mark, speaker] : {std::pair{kUserMark, 'U'}, std::pair{kCpuMark, 'C'}}) {
        if (line.substr(0, mark.size()) == mark) {
            said = learnabletext::trimmed(line.substr(mark.size()));
            return speaker;
        }
    }
    return 0;
}

} // namespace

DialogueFile DialogueFile::load(const std::string& path) {
    const std::optional<std::string> bytes = filebytes::readRegular(path);
    if (!bytes) {
        throw FileError::cannotOpen(cp1251::fromUtf8(path)); // its messages are Windows-1251
    }
    return parse(*bytes);
}

DialogueFile DialogueFile::parse(std::string_view bytes) {
    DialogueFile dialogue;
    const std::vector<std::string> lines = textLines(bytes);
    dialogue.lineCount_ = static_cast<int>(lines.size());
    std::string_view said;
    for (const std::string& line : lines) {
        if (speakerOf(line, said) != 0) {
            dialogue.isLog_ = true;
            break;
        }
    }
    if (dialogue.isLog_) {
        dialogue.pairLogLines(lines);
    } else {
        dialogue.pairPlainLines(lines);
    }
    return dialogue;
}

// Every line answers the one before it; an empty line is an utterance too, so the speakers keep
// taking turns across it.
void DialogueFile::pairPlainLines(const std::vector<std::string>& lines) {
    pairs_.reserve(lines.empty() ? 0 : lines.size() - 1);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        pairs_.push_back({std::string(learnabletext::trimmed(lines[i - 1])),
                          std::string(learnabletext::trimmed(lines[i]))});
    }
}

// A line answers the one before it when the other speaker said that one. Two lines of one speaker
// (a remark the program added unasked) make no pair, and the header of each run's block ends the
// conversation before it.
void DialogueFile::pairLogLines(const std::vector<std::string>& lines) {
    char previousSpeaker = 0;
    std::string previous;
    for (const std::string& line : lines) {
        std::string_view said;
        const char speaker = speakerOf(line, said);
        if (speaker != 0 && previousSpeaker != 0 && speaker != previousSpeaker) {
            pairs_.push_back({previous, std::string(said)});
        }
        previousSpeaker = speaker;
        previous = said;
    }
}
