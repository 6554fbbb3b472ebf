// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progressfigures.h"

#include <algorithm>

namespace lexora {

double ProgressFigures::Topic::weakness() const {
    if (recentAnswered > 0)
        return 100.0 * recentRight / recentAnswered;
    return answered > 0 ? 100.0 * right / answered : 100.0;
}

ProgressFigures ProgressFigures::of(ProgressStore& store, const QString& bank,
                                    const QHash<int, QString>& currentItems, const QDateTime& now) {
    ProgressFigures f;
    const QDateTime local = now.toLocalTime();
    const QDate today = local.date();
    const int offset = local.offsetFromUtc();
    const QDate firstDay = today.addDays(-(kRecentDays - 1));
    const QDateTime since = QDateTime(firstDay, QTime(0, 0)).toUTC();

    for (const ProgressStore::TopicFigures& t : store.topicFigures(since))
        f.topics.push_back({t.topic1, t.topic2, t.answered, t.right, t.recentAnswered, t.recentRight});
    std::stable_sort(f.topics.begin(), f.topics.end(), [](const Topic& a, const Topic& b) {
        if (a.weakness() != b.weakness())
            return a.weakness() < b.weakness();
        return a.answered > b.answered;
    });

    const std::vector<ProgressStore::DayFigures> answered = store.dayFigures(since, offset);
    for (int i = 0; i < kRecentDays; ++i)
        f.days.push_back({firstDay.addDays(i)});
    for (const ProgressStore::DayFigures& d : answered) {
        const qint64 index = firstDay.daysTo(d.day);
        if (index >= 0 && index < kRecentDays) {
            f.days[size_t(index)].answered = d.answered;
            f.days[size_t(index)].right = d.right;
            f.days[size_t(index)].typed = d.typed;
            f.days[size_t(index)].typedRight = d.typedRight;
        }
    }
    f.daysInARow = store.daysInARow(today, offset);

    f.bankItems = currentItems.size();
    const QDateTime endOfToday = QDateTime(today.addDays(1), QTime(0, 0)).toUTC();
    for (const ProgressStore::ItemMemory& m : store.memories(bank)) {
        if (currentItems.value(m.number) != m.fingerprint)
            continue;
        ++f.seen;
        if (m.due < endOfToday)
            ++f.dueNow;
        if (m.stability >= kWellLearnedDays)
            ++f.wellLearned;
    }
    return f;
}

} // namespace lexora
