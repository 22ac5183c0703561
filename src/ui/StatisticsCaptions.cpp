#include "ui/StatisticsCaptions.h"

#include "engine/Cp1251.h"
#include "ui/CpText.h"

#include <QAction>

void StatisticsCaptions::appendToCaption(KbStatistics::MenuItem item, const std::string& suffix) {
    QAction* action = items_[static_cast<int>(item)];
    action->setText(action->text() + fromCp(suffix));
}
