// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progressstore.h"

#include "data/connectionguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <sqlite3.h>

namespace lexora {

namespace {

// Marks the file as this program's progress file, so a stranger's database is never taken for one.
constexpr int kApplicationId = 0x4C585047; // "LXPG"
constexpr int kSchemaVersion = 3;

// A waiting writer (another program holding the file) is given this long before the answer is
// let go: recording must never hold up the learner for long.
constexpr int kBusyWaitMs = 250;

const char* const kSchema = R"(
CREATE TABLE IF NOT EXISTS banks(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE IF NOT EXISTS answers(
    id INTEGER PRIMARY KEY,
    at INTEGER NOT NULL,
    bank INTEGER NOT NULL,
    item INTEGER NOT NULL,
    fingerprint TEXT NOT NULL,
    level INTEGER,
    topic1 TEXT,
    topic2 TEXT,
    choice TEXT NOT NULL,
    right INTEGER NOT NULL,
    place INTEGER NOT NULL,
    ms INTEGER NOT NULL,
    mode INTEGER NOT NULL DEFAULT 1,
    typed TEXT,
    same_day INTEGER NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS answers_at ON answers(at);
CREATE TABLE IF NOT EXISTS memory(
    bank INTEGER NOT NULL,
    item INTEGER NOT NULL,
    fingerprint TEXT NOT NULL,
    level INTEGER,
    topic1 TEXT,
    topic2 TEXT,
    stability REAL NOT NULL,
    difficulty REAL NOT NULL,
    last_review INTEGER NOT NULL,
    due INTEGER NOT NULL,
    days INTEGER NOT NULL,
    reps INTEGER NOT NULL,
    lapses INTEGER NOT NULL,
    PRIMARY KEY(bank, item, fingerprint)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS memory_due ON memory(bank, due);
CREATE TABLE IF NOT EXISTS topic_totals(
    topic1 TEXT NOT NULL,
    topic2 TEXT NOT NULL,
    answered INTEGER NOT NULL,
    right INTEGER NOT NULL,
    PRIMARY KEY(topic1, topic2)) WITHOUT ROWID;
)";

// The answers per topic of all time, kept up to date with every answer: My progress would
// otherwise read every answer ever given each time it opens. A file of the first version
// has its answers counted once.
const char* const kFillTopicTotals = R"(
INSERT INTO topic_totals(topic1, topic2, answered, right)
    SELECT ifnull(topic1, ''), ifnull(topic2, ''), count(*), sum(right) FROM answers GROUP BY 1, 2;
)";

// Version 3 tells how each answer was given (chosen or typed, with the text typed) and marks an
// answer given on the same day as the item's last one, which leaves the item's memory alone.
const char* const kAddModeAndSameDay = R"(
ALTER TABLE answers ADD COLUMN mode INTEGER NOT NULL DEFAULT 1;
ALTER TABLE answers ADD COLUMN typed TEXT;
ALTER TABLE answers ADD COLUMN same_day INTEGER NOT NULL DEFAULT 0;
)";

// Turns an engine failure into the progress file's error kinds.
[[noreturn]] void raise(sqlite3* db, const QString& path, int rc) {
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    switch (rc & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT:
        throw ProgressError(ProgressError::Kind::Damaged, path, detail);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
        throw ProgressError(ProgressError::Kind::ReadOnly, path, detail);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw ProgressError(ProgressError::Kind::Busy, path, detail);
    default:
        throw ProgressError(ProgressError::Kind::Failed, path, detail);
    }
}

// One prepared statement, finalized when it goes out of scope, so no read keeps the file locked.
class Stmt {
public:
    Stmt(sqlite3* db, ConnectionGuard& guard, const QString& path, const char* sql) : m_db(db), m_path(path) {
        guard.startStatement();
        const int rc = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr);
        if (rc == SQLITE_OK)
            return;
        sqlite3_finalize(m_stmt);
        // A statement of this program that does not prepare: the file lacks its tables.
        if ((rc & 0xff) == SQLITE_ERROR)
            throw ProgressError(ProgressError::Kind::Damaged, path, QString::fromUtf8(sqlite3_errmsg(db)));
        raise(db, path, rc);
    }
    ~Stmt() { sqlite3_finalize(m_stmt); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    Stmt& bind(int i, qint64 v) { return check(sqlite3_bind_int64(m_stmt, i, v)); }
    Stmt& bind(int i, int v) { return check(sqlite3_bind_int64(m_stmt, i, v)); }
    Stmt& bind(int i, double v) { return check(sqlite3_bind_double(m_stmt, i, v)); }
    Stmt& bind(int i, const QString& v) {
        const QByteArray utf8 = v.toUtf8();
        return check(sqlite3_bind_text(m_stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
    }
    bool step() {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            raise(m_db, m_path, rc);
        return false;
    }
    bool isNull(int c) const { return sqlite3_column_type(m_stmt, c) == SQLITE_NULL; }
    void reset() { sqlite3_reset(m_stmt); }
    qint64 integer(int c) const { return sqlite3_column_int64(m_stmt, c); }
    double real(int c) const { return sqlite3_column_double(m_stmt, c); }
    QString text(int c) const {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, c)),
                                 sqlite3_column_bytes(m_stmt, c));
    }

private:
    Stmt& check(int rc) {
        if (rc != SQLITE_OK)
            raise(m_db, m_path, rc);
        return *this;
    }
    sqlite3* m_db;
    const QString& m_path;
    sqlite3_stmt* m_stmt = nullptr;
};

// Times come back in UTC proper (written with a "Z"), the same with every Qt version: a time
// zone object named UTC would be written "+00:00".
QDateTime fromMs(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toUTC();
}

const char* placeName(int place) {
    switch (place) {
    case int(AnswerPlace::Test):
        return "test";
    case int(AnswerPlace::Review):
        return "review";
    default:
        return "practice";
    }
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The day (of a time zone `offset` seconds east of UTC) of a time in milliseconds since the epoch.
qint64 dayNumber(qint64 ms, int offset) {
    const qint64 local = ms + qint64(offset) * 1000;
    return local >= 0 ? local / 86400000 : -((-local + 86399999) / 86400000);
}

// The learner's days are the computer's local days, as for the items due.
bool sameLocalDay(const QDateTime& a, const QDateTime& b) {
    return a.toLocalTime().date() == b.toLocalTime().date();
}

QDate dateOfDay(qint64 day) {
    return QDate(1970, 1, 1).addDays(day);
}

} // namespace

ProgressStore::ProgressStore(const QString& folder)
    : m_folder(folder), m_path(QDir(folder).filePath(fileName())) {}

ProgressStore::~ProgressStore() {
    close();
}

// Marks are looked at for the owner, not the user running the program: a file or folder marked
// read-only stays unchanged even for an administrator, as the item files do.
bool ProgressStore::markedReadOnly() const {
    const QFileInfo file(m_path);
    return !(QFileInfo(m_folder).permissions() & QFileDevice::WriteOwner) ||
           (file.exists() && !(file.permissions() & QFileDevice::WriteOwner));
}

bool ProgressStore::exists() const {
    return QFileInfo::exists(m_path);
}

void ProgressStore::close() {
    m_guard.reset();
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_writable = false;
}

bool ProgressStore::open(Access access) {
    if (m_db && (access == Access::Read || m_writable))
        return true;
    if (!QFileInfo(m_folder).isDir())
        throw ProgressError(ProgressError::Kind::FolderMissing, m_path);
    if (access == Access::Read && !exists())
        return false;
    close();
    const int flags =
        SQLITE_OPEN_READWRITE | (access == Access::Write ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(m_path.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        close();
        throw ProgressError(ProgressError::Kind::ReadOnly, m_path, QStringLiteral("cannot open"));
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyWaitMs);
    m_guard = std::make_unique<ConnectionGuard>(m_db);
    // A file or folder marked read-only is not written, whoever runs the program.
    m_writable = sqlite3_db_readonly(m_db, "main") == 0 && !markedReadOnly();
    // Deleted answers are overwritten, so forgetting leaves nothing readable behind in the file.
    // Each answer is its own transaction with a rollback journal, so a killed program leaves the file
    // whole (the journal rolls an unfinished answer back at the next opening). The engine does not
    // wait for the disk at each answer: what the system has been handed survives the end of the
    // process, and a file damaged by a power cut is set aside and started afresh.
    exec("PRAGMA cell_size_check = ON; PRAGMA mmap_size = 0; PRAGMA secure_delete = ON; "
         "PRAGMA journal_mode = DELETE; PRAGMA synchronous = OFF;");
    checkKind();
    if (access == Access::Write) {
        if (!m_writable)
            throw ProgressError(ProgressError::Kind::ReadOnly, m_path);
        createTables();
    }
    return true;
}

// A file of some other program, or one too damaged to tell, is refused as Damaged; an empty
// file (just made, or left empty) is taken as a new progress file.
void ProgressStore::checkKind() {
    Stmt id(m_db, *m_guard, m_path, "PRAGMA application_id");
    const qint64 appId = id.step() ? id.integer(0) : 0;
    if (appId == kApplicationId)
        return;
    Stmt objects(m_db, *m_guard, m_path, "SELECT count(*) FROM sqlite_schema");
    const qint64 count = objects.step() ? objects.integer(0) : 0;
    if (appId != 0 || count != 0)
        throw ProgressError(ProgressError::Kind::Damaged, m_path, QStringLiteral("not a progress file"));
}

void ProgressStore::createTables() {
    exec("BEGIN IMMEDIATE");
    try {
        qint64 before = 0;
        {
            Stmt version(m_db, *m_guard, m_path, "PRAGMA user_version");
            before = version.step() ? version.integer(0) : 0;
        }
        exec(kSchema);
        if (before == 1)
            exec(kFillTopicTotals);
        if (before == 1 || before == 2)
            exec(kAddModeAndSameDay);
        exec(("PRAGMA application_id = " + std::to_string(kApplicationId) +
              "; PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";")
                 .c_str());
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void ProgressStore::exec(const char* sql) {
    m_guard->startStatement();
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        raise(m_db, m_path, rc);
}

int ProgressStore::bankId(const QString& bank, bool create) {
    {
        Stmt find(m_db, *m_guard, m_path, "SELECT id FROM banks WHERE name = ?");
        find.bind(1, bank);
        if (find.step())
            return int(find.integer(0));
    }
    if (!create)
        return -1;
    Stmt add(m_db, *m_guard, m_path, "INSERT INTO banks(name) VALUES(?)");
    add.bind(1, bank).step();
    return int(sqlite3_last_insert_rowid(m_db));
}

MemoryState ProgressStore::record(const Answer& answer) {
    open(Access::Write);
    exec("BEGIN IMMEDIATE");
    try {
        const ItemRef& item = answer.item;
        const int bank = bankId(item.bank, true);
        const MemoryState before = memoryOf(item.bank, item.number, item.fingerprint).value_or(MemoryState{});
        // A second answer on the same day says what the learner remembers of the reason just read,
        // not what stayed since the last review: it counts for the figures and leaves the schedule.
        const bool sameDay = !before.isNew && sameLocalDay(before.lastReview, answer.at);
        const MemoryState after =
            sameDay ? before : m_scheduler.review(before, answer.at, answer.right ? Grade::Good : Grade::Again);
        {
            Stmt add(m_db, *m_guard, m_path,
                     "INSERT INTO answers(at, bank, item, fingerprint, level, topic1, topic2, choice, right, place, ms,"
                     " mode, typed, same_day) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
            add.bind(1, answer.at.toMSecsSinceEpoch()).bind(2, bank).bind(3, item.number).bind(4, item.fingerprint);
            add.bind(5, item.level).bind(6, item.topic1).bind(7, item.topic2).bind(8, answer.choice);
            add.bind(9, answer.right ? 1 : 0).bind(10, int(answer.place)).bind(11, qint64(answer.seconds * 1000 + 0.5));
            add.bind(12, int(answer.mode)).bind(14, sameDay ? 1 : 0);
            if (answer.mode == AnswerMode::Typed)
                add.bind(13, answer.typed);
            add.step();
        }
        {
            Stmt total(m_db, *m_guard, m_path,
                       "INSERT INTO topic_totals(topic1, topic2, answered, right) VALUES(?, ?, 1, ?)"
                       " ON CONFLICT(topic1, topic2) DO UPDATE SET answered = answered + 1,"
                       " right = right + excluded.right");
            total.bind(1, item.topic1).bind(2, item.topic2).bind(3, answer.right ? 1 : 0);
            total.step();
        }
        if (!sameDay) {
            Stmt put(m_db, *m_guard, m_path,
                     "INSERT OR REPLACE INTO memory(bank, item, fingerprint, level, topic1, topic2, stability,"
                     " difficulty, last_review, due, days, reps, lapses) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)");
            put.bind(1, bank).bind(2, item.number).bind(3, item.fingerprint).bind(4, item.level);
            put.bind(5, item.topic1).bind(6, item.topic2).bind(7, after.stability).bind(8, after.difficulty);
            put.bind(9, after.lastReview.toMSecsSinceEpoch()).bind(10, after.due.toMSecsSinceEpoch());
            put.bind(11, after.scheduledDays).bind(12, after.reps).bind(13, after.lapses);
            put.step();
        }
        exec("COMMIT");
        return after;
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::optional<MemoryState> ProgressStore::memoryOf(const QString& bank, int number, const QString& fingerprint) {
    if (!open(Access::Read))
        return std::nullopt;
    Stmt find(m_db, *m_guard, m_path,
              "SELECT m.stability, m.difficulty, m.last_review, m.due, m.days, m.reps, m.lapses FROM memory m"
              " JOIN banks b ON b.id = m.bank WHERE b.name = ? AND m.item = ? AND m.fingerprint = ?");
    find.bind(1, bank).bind(2, number).bind(3, fingerprint);
    if (!find.step())
        return std::nullopt;
    MemoryState state;
    state.isNew = false;
    state.stability = find.real(0);
    state.difficulty = find.real(1);
    state.lastReview = fromMs(find.integer(2));
    state.due = fromMs(find.integer(3));
    state.scheduledDays = int(find.integer(4));
    state.reps = int(find.integer(5));
    state.lapses = int(find.integer(6));
    return state;
}

QString ProgressStore::setAside(const QDate& date) {
    close();
    if (!exists())
        return QString();
    const QDir folder(m_folder);
    QString name = QStringLiteral("progress-%1.db").arg(date.toString(Qt::ISODate));
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("progress-%1-%2.db").arg(date.toString(Qt::ISODate)).arg(n);
    const QString target = folder.filePath(name);
    if (!QFile::rename(m_path, target))
        throw ProgressError(ProgressError::Kind::ReadOnly, m_path, QStringLiteral("cannot rename"));
    // A journal left by a killed write belongs to the damaged file: it goes with it.
    const QString journal = m_path + QStringLiteral("-journal");
    if (QFileInfo::exists(journal))
        QFile::rename(journal, target + QStringLiteral("-journal"));
    return target;
}

std::vector<ProgressStore::DueItem> ProgressStore::dueItems(const QString& bank, const QDateTime& before, int limit) {
    std::vector<DueItem> due;
    if (!open(Access::Read))
        return due;
    Stmt find(m_db, *m_guard, m_path,
              "SELECT m.item, m.fingerprint, m.due FROM memory m JOIN banks b ON b.id = m.bank"
              " WHERE b.name = ? AND m.due < ? ORDER BY m.due LIMIT ?");
    find.bind(1, bank).bind(2, before.toMSecsSinceEpoch()).bind(3, limit);
    while (find.step())
        due.push_back({int(find.integer(0)), find.text(1), fromMs(find.integer(2))});
    return due;
}

int ProgressStore::dueCount(const QString& bank, const QDateTime& before) {
    if (!open(Access::Read))
        return 0;
    Stmt count(m_db, *m_guard, m_path,
               "SELECT count(*) FROM memory m JOIN banks b ON b.id = m.bank WHERE b.name = ? AND m.due < ?");
    count.bind(1, bank).bind(2, before.toMSecsSinceEpoch());
    return count.step() ? int(count.integer(0)) : 0;
}

std::optional<QDateTime> ProgressStore::nextDue(const QString& bank) {
    if (!open(Access::Read))
        return std::nullopt;
    Stmt first(m_db, *m_guard, m_path,
               "SELECT min(m.due) FROM memory m JOIN banks b ON b.id = m.bank WHERE b.name = ?");
    first.bind(1, bank);
    if (!first.step() || first.isNull(0))
        return std::nullopt;
    return fromMs(first.integer(0));
}

std::optional<ItemRef> ProgressStore::lastRefFor(const QString& bank, const QString& fingerprint) {
    if (!open(Access::Read))
        return std::nullopt;
    Stmt find(m_db, *m_guard, m_path,
              "SELECT m.item, m.level, m.topic1, m.topic2 FROM memory m JOIN banks b ON b.id = m.bank"
              " WHERE b.name = ? AND m.fingerprint = ? ORDER BY m.last_review DESC LIMIT 1");
    find.bind(1, bank).bind(2, fingerprint);
    if (!find.step())
        return std::nullopt;
    return ItemRef{bank, int(find.integer(0)), fingerprint, int(find.integer(1)), find.text(2), find.text(3)};
}

std::vector<ProgressStore::TopicFigures> ProgressStore::topicFigures(const QDateTime& recentSince) {
    std::vector<TopicFigures> figures;
    if (!open(Access::Read))
        return figures;
    // All time from the running totals; the recent days from the answers of those days alone.
    Stmt sum(m_db, *m_guard, m_path,
             "SELECT t.topic1, t.topic2, t.answered, t.right, ifnull(r.answered, 0), ifnull(r.right, 0)"
             " FROM topic_totals t LEFT JOIN"
             " (SELECT ifnull(topic1, '') AS topic1, ifnull(topic2, '') AS topic2, count(*) AS answered,"
             " sum(right) AS right FROM answers WHERE at >= ? GROUP BY 1, 2) r"
             " ON r.topic1 = t.topic1 AND r.topic2 = t.topic2");
    sum.bind(1, recentSince.toMSecsSinceEpoch());
    while (sum.step())
        figures.push_back({sum.text(0), sum.text(1), int(sum.integer(2)), int(sum.integer(3)), int(sum.integer(4)),
                           int(sum.integer(5))});
    return figures;
}

std::vector<ProgressStore::DayFigures> ProgressStore::dayFigures(const QDateTime& since, int utcOffsetSeconds) {
    std::vector<DayFigures> figures;
    if (!open(Access::Read))
        return figures;
    Stmt days(m_db, *m_guard, m_path,
              "SELECT (at + ?2) / 86400000 AS day, count(*), sum(right), sum(mode = ?3), sum(mode = ?3 AND right)"
              " FROM answers WHERE at >= ?1 GROUP BY day ORDER BY day");
    days.bind(1, since.toMSecsSinceEpoch()).bind(2, qint64(utcOffsetSeconds) * 1000).bind(3, int(AnswerMode::Typed));
    while (days.step())
        figures.push_back({dateOfDay(days.integer(0)), int(days.integer(1)), int(days.integer(2)), int(days.integer(3)),
                           int(days.integer(4))});
    return figures;
}

int ProgressStore::daysInARow(const QDate& today, int utcOffsetSeconds) {
    if (!open(Access::Read))
        return 0;
    // Walks the answer times backwards through the index, one day at a time: each step seeks the
    // last answer before the day already counted, so a long history costs one look per day.
    const qint64 offsetMs = qint64(utcOffsetSeconds) * 1000;
    const qint64 todayNumber = QDate(1970, 1, 1).daysTo(today);
    Stmt last(m_db, *m_guard, m_path, "SELECT max(at) FROM answers WHERE at < ?");
    qint64 expected = todayNumber;
    int run = 0;
    qint64 bound = (todayNumber + 1) * 86400000 - offsetMs;
    for (;;) {
        last.bind(1, bound);
        const bool found = last.step() && !last.isNull(0);
        const qint64 day = found ? dayNumber(last.integer(0), utcOffsetSeconds) : 0;
        last.reset();
        if (!found)
            break;
        if (day == expected || (run == 0 && day == todayNumber - 1 && expected == todayNumber)) {
            ++run;
            expected = day - 1;
            bound = day * 86400000 - offsetMs;
            continue;
        }
        break;
    }
    return run;
}

std::vector<ProgressStore::ItemMemory> ProgressStore::memories(const QString& bank) {
    std::vector<ItemMemory> all;
    if (!open(Access::Read))
        return all;
    Stmt find(m_db, *m_guard, m_path,
              "SELECT m.item, m.fingerprint, m.stability, m.due FROM memory m JOIN banks b ON b.id = m.bank"
              " WHERE b.name = ?");
    find.bind(1, bank);
    while (find.step())
        all.push_back({int(find.integer(0)), find.text(1), find.real(2), fromMs(find.integer(3))});
    return all;
}

void ProgressStore::exportCsv(QIODevice& out) {
    out.write("time_utc,bank,item,fingerprint,level,topic1,topic2,choice,right,place,seconds,mode,typed,same_day\n");
    if (!open(Access::Read))
        return;
    Stmt all(m_db, *m_guard, m_path,
             "SELECT a.at, b.name, a.item, a.fingerprint, a.level, a.topic1, a.topic2, a.choice, a.right, a.place,"
             " a.ms, a.mode, ifnull(a.typed, ''), a.same_day FROM answers a JOIN banks b ON b.id = a.bank"
             " ORDER BY a.at, a.id");
    while (all.step()) {
        const QStringList fields{fromMs(all.integer(0)).toString(Qt::ISODateWithMs),
                                 csvField(all.text(1)),
                                 QString::number(all.integer(2)),
                                 all.text(3),
                                 QString::number(all.integer(4)),
                                 csvField(all.text(5)),
                                 csvField(all.text(6)),
                                 csvField(all.text(7)),
                                 QString::number(all.integer(8)),
                                 QString::fromLatin1(placeName(int(all.integer(9)))),
                                 QString::number(double(all.integer(10)) / 1000, 'f', 1),
                                 QLatin1String(all.integer(11) == int(AnswerMode::Typed) ? "typed" : "chosen"),
                                 csvField(all.text(12)),
                                 QString::number(all.integer(13))};
        if (out.write(fields.join(QLatin1Char(',')).toUtf8() + '\n') < 0)
            throw ProgressError(ProgressError::Kind::Failed, m_path, out.errorString());
    }
}

void ProgressStore::forget() {
    if (!exists())
        return;
    open(Access::Write);
    exec("BEGIN IMMEDIATE");
    try {
        exec("DELETE FROM answers; DELETE FROM memory; DELETE FROM banks; DELETE FROM topic_totals;");
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace lexora
