// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progressstore.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>

#include <vector>

namespace lexora {

// What My progress shows, worked out from the progress file: per topic, per day over the last
// 30 days, the days in a row, and how far the current bank has come.
struct ProgressFigures {
    struct Topic {
        QString topic1, topic2;
        int answered = 0, right = 0;
        int recentAnswered = 0, recentRight = 0;
        // Share right in percent: of the last 30 days when there were answers then, else of all time.
        double weakness() const;
    };
    struct Day {
        QDate day;
        int answered = 0, right = 0;   // every answer, chosen or typed
        int typed = 0, typedRight = 0; // of those, the typed ones
    };
    std::vector<Topic> topics; // weakest first
    std::vector<Day> days;     // the last 30 days, oldest first, days without answers included
    int daysInARow = 0;
    int bankItems = 0;   // items of the bank now
    int seen = 0;        // items of the bank answered at least once (in their present content)
    int dueNow = 0;      // of those, due today
    int wellLearned = 0; // of those, with a stability of 21 days or more

    static constexpr int kRecentDays = 30;
    static constexpr double kWellLearnedDays = 21;

    // `currentItems` holds the fingerprint of every item of the bank now, by number.
    static ProgressFigures of(ProgressStore& store, const QString& bank, const QHash<int, QString>& currentItems,
                              const QDateTime& now);
};

} // namespace lexora
