// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace lexora {

// The learner's days: an item is due on the day (in the computer's time zone) its due time falls on,
// so everything due today can be reviewed at any hour of it.
namespace ReviewClock {

// The start of the day after the one `now` (UTC) falls on, as a UTC time: items due before it are due today.
inline QDateTime endOfToday(const QDateTime& now) {
    const QDate today = now.toLocalTime().date();
    return QDateTime(today.addDays(1), QTime(0, 0)).toUTC();
}

inline QDate today(const QDateTime& now) {
    return now.toLocalTime().date();
}

// Seconds east of UTC of the computer's time zone at `now`.
inline int utcOffset(const QDateTime& now) {
    return now.toLocalTime().offsetFromUtc();
}

// The locale of a working language, for numbers and dates.
inline QLocale localeOf(int langcode) {
    switch (langcode) {
    case 116:
        return QLocale(QLocale::Hungarian, QLocale::Hungary);
    case 216:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case 316:
        return QLocale(QLocale::French, QLocale::France);
    default:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
}

} // namespace ReviewClock

} // namespace lexora
