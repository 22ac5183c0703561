#pragma once

#include "dialogue/KbStatistics.h"

class QAction;

// The three menu items that show the size of the knowledge base: a count is appended to the
// caption, which keeps its accelerator mark.
class StatisticsCaptions : public KbStatistics::CaptionSink {
public:
    StatisticsCaptions(QAction* N18, QAction* N19, QAction* N20) : items_{N18, N19, N20} {}

    void appendToCaption(KbStatistics::MenuItem item, const std::string& suffix) override;

private:
    QAction* items_[3];
};
