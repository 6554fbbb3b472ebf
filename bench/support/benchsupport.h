// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace lexora::bench {

// Creates an item database of `count` generated items (numbers 1..count, shuffled
// sorrend2, every topic and level, realistic sentence lengths) at `path`; the same items
// on every call. With `withReasons`, every item has a reason in English and Hungarian of a
// shipped reason's length, in the table `reasons` as a shipped bank has it, and a note on each
// of its wrong answers in both languages.
void makeLargeDatabase(const QString& path, int count = 32767, bool withReasons = false);

// Runs `body` `rounds` times after one warm-up run and prints the median and the
// slowest time in milliseconds, with the target, as one line.
void measure(const QString& what, double targetMs, int rounds, const std::function<void()>& body);

// Peak resident memory of this process so far, in MB.
double peakMemoryMb();
// Lets windows that were unloaded be destroyed and pending events run.
void settle();

} // namespace lexora::bench
