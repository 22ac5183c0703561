#include "tools/ConsoleSurroundings.h"

#include "dialogue/ExchangeFile.h"
#include "engine/Cp1251.h"

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

void ConsoleSurroundings::useExchange(LineFiles files, std::string path) {
    exchange_ = Exchange{std::move(files), std::move(path)};
}

void ConsoleSurroundings::writeExchange(const std::string& reply) {
    if (exchange_) {
        ExchangeFile::write(exchange_->files, exchange_->path, reply, LoadtxtCpuCpu_);
    }
}
