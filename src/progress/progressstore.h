// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/answer.h"
#include "progress/fsrs.h"
#include "progress/progresserror.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

class QIODevice;

namespace lexora {

class ConnectionGuard;

// The learner's progress file (progress.db beside the item databases): every recorded answer
// and the memory state of every answered item. It stays on this machine; nothing is sent anywhere.
//
// The file is made at the first recorded answer, never by reading. Each answer is one short
// transaction (the answer and the item's new memory state together), so a killed program loses
// at most the answer being written. The connection is hardened as item files are (the file may
// have been copied from anywhere); a file that is not a sound progress file fails as Damaged.
class ProgressStore {
public:
    static QString fileName() { return QStringLiteral("progress.db"); }

    explicit ProgressStore(const QString& folder);
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    const QString& path() const { return m_path; }
    bool exists() const;

    // Records one answer and updates the item's memory state; makes the file if needed.
    // Returns the item's new memory state.
    MemoryState record(const Answer& answer);

    // Closes the connection and renames a damaged file aside as progress-<date>.db (with a number
    // when that name is taken); nothing is deleted. Returns the new name, empty if nothing moved.
    QString setAside(const QDate& date);
    // Closes the connection (another program may then replace or remove the file).
    void close();

    struct DueItem {
        int number = 0;
        QString fingerprint;
        QDateTime due;
    };
    // Items of `bank` due before `before`, the most overdue first.
    std::vector<DueItem> dueItems(const QString& bank, const QDateTime& before, int limit = -1);
    int dueCount(const QString& bank, const QDateTime& before);
    // The earliest due time of any item of `bank`.
    std::optional<QDateTime> nextDue(const QString& bank);
    // What the last answer recorded for an item of this content said about it (number, level, topic).
    std::optional<ItemRef> lastRefFor(const QString& bank, const QString& fingerprint);
    std::optional<MemoryState> memoryOf(const QString& bank, int number, const QString& fingerprint);

    struct TopicFigures {
        QString topic1, topic2;
        int answered = 0, right = 0;             // all time
        int recentAnswered = 0, recentRight = 0; // since the given time
    };
    std::vector<TopicFigures> topicFigures(const QDateTime& recentSince);

    struct DayFigures {
        QDate day;
        int answered = 0, right = 0;   // every answer, chosen or typed
        int typed = 0, typedRight = 0; // of those, the typed ones
    };
    // Answers per day (days of the given UTC offset, in seconds) from `since` on, days without answers left out.
    std::vector<DayFigures> dayFigures(const QDateTime& since, int utcOffsetSeconds);
    // Days in a row with answers, ending today or (when nothing yet today) yesterday.
    int daysInARow(const QDate& today, int utcOffsetSeconds);

    struct ItemMemory {
        int number = 0;
        QString fingerprint;
        double stability = 0;
        QDateTime due;
    };
    std::vector<ItemMemory> memories(const QString& bank);

    // Every answer as CSV (a header line, then one line per answer, oldest first).
    void exportCsv(QIODevice& out);
    // Empties the file in one transaction.
    void forget();

private:
    enum class Access { Read, Write };
    // Opens the file; false when there is none to read. With Write the file and its tables are made.
    bool open(Access access);
    void createTables();
    void checkKind();
    void exec(const char* sql);
    bool markedReadOnly() const;
    int bankId(const QString& bank, bool create);

    QString m_folder;
    QString m_path;
    sqlite3* m_db = nullptr;
    std::unique_ptr<ConnectionGuard> m_guard;
    bool m_writable = false;
    FsrsScheduler m_scheduler;
};

} // namespace lexora
