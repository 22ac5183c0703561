#pragma once

#include "dialogue/LineStyle.h"
#include "engine/LineList.h"

#include <functional>
#include <string>
#include <vector>

// The conversation as the program keeps it: the dialog view the user reads (lines, each in the
// style it was added with, and the current style that the next line takes) and the log of plain
// lines marked with their speaker, which the exit command writes out. Texts are Windows-1251.
class Transcript {
public:
    static constexpr const char* kUserPrefix = "USER:     ";
    static constexpr const char* kCpuPrefix = "CPU:     ";

    // Told after every change of the view, so a window can show it.
    enum class ViewChange { Added, RemovedLast, Cleared };
    using ViewListener = std::function<void(ViewChange)>;
    void setViewListener(ViewListener listener) { listener_ = std::move(listener); }

    // The dialog view RE1.
    const LineList& view() const { return view_; }
    const LineStyle& viewStyle(int index) const {
        return styles_.at(static_cast<std::size_t>(index));
    }
    LineStyle& currentStyle() { return current_; }
    const LineStyle& currentStyle() const { return current_; }
    void addViewLine(const std::string& text);
    void removeLastViewLine();
    void clearView();
    // The next-to-last view line: empty below two lines.
    const std::string& earlierLine() const { return view_.line(view_.count() - 2); }

    // The log list Log.
    LineList& log() { return log_; }
    const LineList& log() const { return log_; }

    // A line of a speaker: style set whole, the view line, then the log line.
    void addUserLine(const std::string& phrase, const LineStyle& userStyle);
    void addCpuLine(const std::string& text, const LineStyle& cpuStyle);

private:
    void notify(ViewChange change) const;

    LineList view_;
    std::vector<LineStyle> styles_;
    LineStyle current_;
    LineList log_;
    ViewListener listener_;
};
