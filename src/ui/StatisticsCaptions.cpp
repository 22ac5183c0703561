#include "ui/StatisticsCaptions.h"

#include "engine/Cp1251.h"

#include <QAction>

void StatisticsCaptions::appendToCaption(KbStatistics::MenuItem item, const std::string& suffix) {
    QAction* action = items_[static_cast<int>(item)];
    action->setText(action->text() + QString::fromStdString(cp1251::toUtf8(suffix)));
}
