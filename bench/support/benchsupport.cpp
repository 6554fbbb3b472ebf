// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchsupport.h"

#include "data/itembank.h"
#include "data/topics.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace lexora::bench {

void makeLargeDatabase(const QString& path, int count, bool withReasons) {
    static const char* words[] = {"river", "teacher", "often", "yesterday", "quickly", "garden", "letter",
                                  "station", "because", "travel", "morning", "friend", "window", "answer"};
    QRandomGenerator rng(42);
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    std::shuffle(order.begin(), order.end(), rng);
    ItemBank bank;
    for (int i = 1; i <= count; ++i) {
        QString sentence;
        for (int w = 0; w < 9; ++w)
            sentence += QString::fromLatin1(words[rng.bounded(14)]) + (w == 4 ? QStringLiteral(" ...... ") : " ");
        const Topic& topic = TopicCatalogue::topic(i % TopicCatalogue::count);
        const QString letter = QString(QChar('A' + i % 4));
        bank.items.push_back({QString::number(i), QString::number(i), QString::number(order[size_t(i - 1)]),
                              QString::number(1 + i % 3), sentence.trimmed(), "has been", "was", "is being",
                              "had", sentence.trimmed().replace(kGap, "was"), letter, topic.kulcs1,
                              topic.kulcs2.value_or("0")});
        if (withReasons)
            bank.reasons.push_back(
                {QStringLiteral("Item %1: the answer is %2 because the sentence tells of one finished event at a "
                                "stated time in the past, which the other three forms cannot say.")
                     .arg(i)
                     .arg(letter),
                 QStringLiteral("%1. feladat: a megoldás %2, mert a mondat egy befejezett, megnevezett múltbeli "
                                "időpontban történt eseményről szól, amit a másik három alak nem fejez ki.")
                     .arg(i)
                     .arg(letter),
                 false});
        if (withReasons) {
            // A note on each wrong answer, in letter order.
            const char* const answers[] = {"has been", "was", "is being", "had"};
            BankNotes notes;
            size_t k = 0;
            for (int a = 0; a < 4; ++a) {
                if (a == i % 4)
                    continue;
                notes[k++] = {QStringLiteral("\u201c%1\u201d does not tell of a finished event at a stated time.")
                                  .arg(answers[a]),
                              QStringLiteral("A \u201e%1\u201d nem befejezett, megnevezett múltbeli eseményről szól.")
                                  .arg(answers[a]),
                              false};
            }
            bank.notes.push_back(notes);
        }
    }
    bank.createDatabase(path);
}

void measure(const QString& what, double targetMs, int rounds, const std::function<void()>& body) {
    body();
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    QTextStream(stdout) << QString("%1: median %2 ms, slowest %3 ms (target %4 ms)\n")
                               .arg(what, -48)
                               .arg(times[times.size() / 2], 0, 'f', 2)
                               .arg(times.back(), 0, 'f', 2)
                               .arg(targetMs, 0, 'f', 0);
}

double peakMemoryMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace lexora::bench
