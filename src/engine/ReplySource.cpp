#include "engine/ReplySource.h"

const char* ReplySource::stageName(Stage stage) {
    switch (stage) {
    case Stage::None:
        return "none";
    case Stage::Repeat:
        return "repeat";
    case Stage::Guard:
        return "guard";
    case Stage::LongPhrase:
        return "long phrase";
    case Stage::Branch:
        return "branch";
    case Stage::WholePattern:
        return "whole pattern";
    case Stage::WordByWord:
        return "word by word";
    case Stage::Fallback:
        return "fallback";
    }
    return "none";
}
