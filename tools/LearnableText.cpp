#include "tools/LearnableText.h"

namespace learnabletext {

std::string markupIn(std::string_view text) {
    for (const char mark : {'^', ';', '@'}) {
        if (text.find(mark) != std::string_view::npos) {
            return std::string("it holds \"") + mark + "\", which is markup of the base";
        }
    }
    if (!text.empty() && text.front() == '_') {
        return "it begins with \"_\", which marks a branch line";
    }
    return {};
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace learnabletext
