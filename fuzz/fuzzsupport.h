// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared pieces of the fuzz targets: checks that end the run with a report, walks over
// views that read every field, and a scratch folder for database files.

#include "data/itemview.h"
#include "data/storeerror.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace lexora::fuzz {

// Prints what went wrong and aborts, so that the fuzzer keeps the input as a crash.
[[noreturn]] void failure(const char* check, const char* file, int line, const QString& detail);

#define FUZZ_CHECK(condition, detail)                                                                           \
    do {                                                                                                        \
        if (!(condition))                                                                                       \
            ::lexora::fuzz::failure(#condition, __FILE__, __LINE__, (detail));                                  \
    } while (false)

// A folder of its own under the system's temporary folder, removed when the process ends normally.
QString scratchFolder();

// Writes `bytes` as the file at `path`, replacing it and any journal the engine left beside it.
void writeDatabaseFile(const QString& path, const uint8_t* bytes, size_t size);

// Runs `step`; a StoreError is an expected outcome of it and ends only that step.
template <typename F> bool attempt(F&& step) {
    try {
        step();
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

// The current row as text, one entry a field; an empty field is "<null>".
QString rowText(const ItemView& view);

// Every row from the first to the last, as rowText gives them. A view whose walk takes
// more steps than it has rows is a fault. With `every` above 1 only every so many rows are
// read (the others give ""), which keeps a walk over a large table cheap.
QStringList walkForward(ItemView& view, int every = 1);
// The same from the last row to the first.
QStringList walkBackward(ItemView& view, int every = 1);

} // namespace lexora::fuzz
