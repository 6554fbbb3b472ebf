// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/connectionguard.h"

#include <sqlite3.h>

#include <atomic>

namespace lexora {

namespace {

std::atomic<long long> boundMs{2000};

// How many virtual machine steps run between two looks at the clock: often enough to stop
// within a few milliseconds of the bound, rarely enough to cost nothing measurable.
constexpr int kStepsBetweenLooks = 1000;

} // namespace

ConnectionGuard::ConnectionGuard(sqlite3* db) : m_db(db) {
    int unused = 0;
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, &unused);
    lowerLimits();
    startStatement();
    sqlite3_progress_handler(db, kStepsBetweenLooks, &ConnectionGuard::onProgress, this);
}

// Items are short texts in two tables of a few columns; the program's own statements are
// short and bind a dozen values. Anything far beyond that comes from a file made to harm.
void ConnectionGuard::lowerLimits() {
    struct Limit {
        int id;
        int value;
    };
    static const Limit limits[] = {
        {SQLITE_LIMIT_LENGTH, 1000000},          // one text, or one whole row, in bytes
        {SQLITE_LIMIT_SQL_LENGTH, 100000},       // one statement, also each in the file's schema
        {SQLITE_LIMIT_COLUMN, 100},              // columns of a table, an index or a result
        {SQLITE_LIMIT_EXPR_DEPTH, 100},          // nesting of an expression
        {SQLITE_LIMIT_COMPOUND_SELECT, 2},       // parts of a UNION
        {SQLITE_LIMIT_VDBE_OP, 25000},           // size of one compiled statement
        {SQLITE_LIMIT_FUNCTION_ARG, 8},          // arguments of a function
        {SQLITE_LIMIT_ATTACHED, 0},              // no other database beside the item file
        {SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 100}, // a LIKE pattern
        {SQLITE_LIMIT_VARIABLE_NUMBER, 100},     // values bound to one statement
        {SQLITE_LIMIT_TRIGGER_DEPTH, 1},         // triggers are refused anyway
        {SQLITE_LIMIT_WORKER_THREADS, 0},        // sorting stays in this thread
    };
    for (const Limit& limit : limits)
        sqlite3_limit(m_db, limit.id, limit.value);
}

// The clock is read only once a statement has run a while: most steps (one row of a walk)
// end long before the engine first calls back, and reading the clock for each of them would
// cost more than the rest of the guard together.
void ConnectionGuard::startStatement() {
    m_timedOut = false;
    m_clockRunning = false;
}

int ConnectionGuard::onProgress(void* guard) {
    auto* self = static_cast<ConnectionGuard*>(guard);
    const auto now = std::chrono::steady_clock::now();
    if (!self->m_clockRunning) {
        self->m_clockRunning = true;
        self->m_deadline = now + timeBound();
    }
    if (now < self->m_deadline)
        return 0;
    self->m_timedOut = true;
    return 1; // the engine stops the statement and rolls back what it wrote
}

std::chrono::milliseconds ConnectionGuard::timeBound() {
    return std::chrono::milliseconds(boundMs.load());
}

void ConnectionGuard::setTimeBound(std::chrono::milliseconds bound) {
    boundMs.store(bound.count());
}

} // namespace lexora
