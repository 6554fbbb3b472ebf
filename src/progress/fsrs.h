// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>

#include <array>

namespace lexora {

// How well the learner knew an item at one answer. The program gives Again for a wrong first
// answer (or the solution asked before any choice) and Good for a right one; Hard and Easy are
// there because the intervals of each grade depend on those of the others.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// The memory state of one item: how long it stays remembered (stability, in days), how hard
// it is (difficulty, 1 to 10), when it was last answered and when it is due again.
struct MemoryState {
    bool isNew = true;
    double stability = 0;
    double difficulty = 0;
    QDateTime lastReview; // UTC
    QDateTime due;        // UTC: lastReview + scheduledDays whole days
    int scheduledDays = 0;
    int reps = 0;
    int lapses = 0;
};

// The spaced-review scheduler: FSRS-6 with its published default weights, a requested
// retention of 0.9, a longest interval of 36,500 days, no fuzz and no short-term steps,
// so every interval is a whole number of days (at least one). The arithmetic follows the
// reference implementation step by step, including its rounding of intermediate values to
// eight decimals, so both give the same intervals.
class FsrsScheduler {
public:
    static constexpr std::array<double, 21> kDefaultWeights = {
        0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
        1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    static constexpr double kRequestRetention = 0.9;
    static constexpr int kMaximumInterval = 36500;

    FsrsScheduler();

    // The state after answering with `grade` at `now` (UTC).
    MemoryState review(const MemoryState& state, const QDateTime& now, Grade grade) const;

    // The probability of recall `elapsedDays` after the last answer, as the scheduler rounds it.
    double retrievability(double elapsedDays, double stability) const;

    // Whole calendar days (UTC) from `last` to `now`, as the scheduler counts elapsed time.
    static int daysBetween(const QDateTime& last, const QDateTime& now);

private:
    struct Memory {
        double difficulty;
        double stability;
    };
    Memory nextMemory(const MemoryState& state, int elapsedDays, double r, Grade grade) const;
    double initDifficulty(Grade grade) const;
    double initStability(Grade grade) const;
    double nextDifficulty(double d, Grade grade) const;
    double recallStability(double d, double s, double r, Grade grade) const;
    double forgetStability(double d, double s, double r) const;
    int interval(double stability) const;

    std::array<double, 21> m_w;
    double m_decay;
    double m_factor;
    double m_intervalModifier;
};

} // namespace lexora
