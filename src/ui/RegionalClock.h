#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The date and time as the user's regional settings write them: the short date form and the long
// time form (hours, minutes and seconds, without the time zone some locales add to it).
class RegionalClock {
public:
    static QString shortDate(const QDate& date, const QLocale& locale = QLocale::system());
    static QString longTime(const QTime& time, const QLocale& locale = QLocale::system());
    // The long time form without its time-zone fields.
    static QString longTimeFormat(const QLocale& locale);
};
