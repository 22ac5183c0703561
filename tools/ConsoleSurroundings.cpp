#include "ConsoleSurroundings.h"

#include "Cp1251.h"

void ConsoleSurroundings::echoPhrase(const std::string& phrase) {
    transcript_.addUserLine(phrase, LineStyle{});
    printLastLogLine();
}

void ConsoleSurroundings::showReply(const std::string& reply) {
    transcript_.addCpuLine(reply, LineStyle{});
    printLastLogLine();
}

void ConsoleSurroundings::printLastLogLine() {
    const LineList& log = transcript_.log();
    out_ << cp1251::toUtf8(log.line(log.count() - 1)) << '\n';
}
