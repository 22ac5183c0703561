#include "dialogue/Transcript.h"

void Transcript::addViewLine(const std::string& text) {
    view_.append(text);
    styles_.resize(static_cast<std::size_t>(view_.count()), current_);
    notify(ViewChange::Added);
}

void Transcript::removeLastViewLine() {
    if (view_.empty()) {
        return;
    }
    view_.remove(view_.count() - 1);
    styles_.pop_back();
    notify(ViewChange::RemovedLast);
}

void Transcript::clearView() {
    view_.clear();
    styles_.clear();
    notify(ViewChange::Cleared);
}

void Transcript::addUserLine(const std::string& phrase, const LineStyle& userStyle) {
    current_ = userStyle;
    addViewLine(phrase);
    log_.append(kUserPrefix + phrase);
}

void Transcript::addCpuLine(const std::string& text, const LineStyle& cpuStyle) {
    current_ = cpuStyle;
    addViewLine(text);
    log_.append(kCpuPrefix + text);
}

void Transcript::notify(ViewChange change) const {
    if (listener_) {
        listener_(change);
    }
}
