#include "ui/RegionalClock.h"

QString RegionalClock::shortDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, QLocale::ShortFormat);
}

QString RegionalClock::longTime(const QTime& time, const QLocale& locale) {
    return locale.toString(time, longTimeFormat(locale));
}

QString RegionalClock::longTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        }
        if (quoted || c != u't') {
            kept += c;
        }
    }
    return kept.simplified();
}
