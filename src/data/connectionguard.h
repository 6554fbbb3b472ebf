// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

struct sqlite3;

namespace lexora {

// Item files come from elsewhere (teachers pass them around), so every connection is set up
// as one to a file of unknown origin: the engine refuses statements that could damage the file
// on purpose, functions that the schema may call are limited to the harmless ones, no extension
// may be loaded, the sizes of texts, statements and expressions are kept to what item files
// need, and any statement that runs longer than a bound is interrupted.
class ConnectionGuard {
public:
    explicit ConnectionGuard(sqlite3* db);
    ConnectionGuard(const ConnectionGuard&) = delete;
    ConnectionGuard& operator=(const ConnectionGuard&) = delete;
    // Lives as long as its connection, which is closed first.

    // A statement is about to run: the engine is interrupted once it runs past the bound.
    void startStatement();
    // True when the last statement was stopped for running too long.
    bool timedOut() const { return m_timedOut; }

    // The longest a statement may run (2 s unless changed; tests and the fuzzer shorten it).
    static std::chrono::milliseconds timeBound();
    static void setTimeBound(std::chrono::milliseconds bound);

private:
    static int onProgress(void* guard);
    void lowerLimits();

    sqlite3* m_db;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_clockRunning = false; // the deadline is set at the first call back of a statement
    bool m_timedOut = false;
};

} // namespace lexora
