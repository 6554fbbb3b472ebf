// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/fsrs.h"

#include <algorithm>
#include <cmath>

namespace lexora {

namespace {

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;

// Rounds to the nearest whole number, halves upwards, as the reference's arithmetic does
// (std::round would take negative halves away from zero).
double roundHalfUp(double x) {
    const double floor = std::floor(x);
    return x - floor >= 0.5 ? floor + 1 : floor;
}

double roundTo8(double x) {
    return roundHalfUp(x * 1e8) / 1e8;
}

double clamp(double value, double low, double high) {
    return std::min(std::max(value, low), high);
}

} // namespace

FsrsScheduler::FsrsScheduler() : m_w(kDefaultWeights) {
    m_decay = -m_w[20];
    m_factor = roundTo8(std::exp(std::pow(m_decay, -1) * std::log(0.9)) - 1);
    m_intervalModifier = roundTo8((std::pow(kRequestRetention, 1 / m_decay) - 1) / m_factor);
}

int FsrsScheduler::daysBetween(const QDateTime& last, const QDateTime& now) {
    const qint64 days = last.toUTC().date().daysTo(now.toUTC().date());
    return int(days);
}

double FsrsScheduler::retrievability(double elapsedDays, double stability) const {
    return roundTo8(std::pow(1 + m_factor * elapsedDays / stability, m_decay));
}

double FsrsScheduler::initDifficulty(Grade grade) const {
    const int g = int(grade);
    return roundTo8(m_w[4] - std::exp((g - 1) * m_w[5]) + 1);
}

double FsrsScheduler::initStability(Grade grade) const {
    return std::max(m_w[size_t(int(grade) - 1)], 0.1);
}

double FsrsScheduler::nextDifficulty(double d, Grade grade) const {
    const double delta = -m_w[6] * (int(grade) - 3);
    const double damped = roundTo8(delta * (10 - d) / 9);
    const double next = d + damped;
    const double reverted = roundTo8(m_w[7] * initDifficulty(Grade::Easy) + (1 - m_w[7]) * next);
    return clamp(reverted, 1, 10);
}

double FsrsScheduler::recallStability(double d, double s, double r, Grade grade) const {
    const double hardPenalty = grade == Grade::Hard ? m_w[15] : 1;
    const double easyBonus = grade == Grade::Easy ? m_w[16] : 1;
    return roundTo8(clamp(s * (1 + std::exp(m_w[8]) * (11 - d) * std::pow(s, -m_w[9]) *
                                       (std::exp((1 - r) * m_w[10]) - 1) * hardPenalty * easyBonus),
                          kMinStability, kMaxStability));
}

double FsrsScheduler::forgetStability(double d, double s, double r) const {
    const double afterFail = roundTo8(clamp(m_w[11] * std::pow(d, -m_w[12]) * (std::pow(s + 1, m_w[13]) - 1) *
                                                std::exp((1 - r) * m_w[14]),
                                            kMinStability, kMaxStability));
    // Without short-term steps a lapse never raises stability: it is capped at the old value.
    return clamp(roundTo8(s), kMinStability, afterFail);
}

FsrsScheduler::Memory FsrsScheduler::nextMemory(const MemoryState& state, int elapsedDays, double r,
                                                Grade grade) const {
    (void)elapsedDays;
    if (state.isNew || (state.difficulty == 0 && state.stability == 0))
        return {clamp(initDifficulty(grade), 1, 10), initStability(grade)};
    const double s = grade == Grade::Again ? forgetStability(state.difficulty, state.stability, r)
                                           : recallStability(state.difficulty, state.stability, r, grade);
    return {nextDifficulty(state.difficulty, grade), s};
}

int FsrsScheduler::interval(double stability) const {
    const double days = std::min(std::max(1.0, roundHalfUp(stability * m_intervalModifier)), double(kMaximumInterval));
    return int(days);
}

MemoryState FsrsScheduler::review(const MemoryState& state, const QDateTime& now, Grade grade) const {
    const int elapsed = state.isNew || !state.lastReview.isValid() ? 0 : std::max(0, daysBetween(state.lastReview, now));
    const double r = state.isNew ? 0 : retrievability(elapsed, state.stability);

    // The interval of each grade is bounded by those of its neighbours, so all four are worked out.
    std::array<Memory, 4> next{};
    std::array<int, 4> days{};
    for (int g = 1; g <= 4; ++g) {
        next[size_t(g - 1)] = nextMemory(state, elapsed, r, Grade(g));
        days[size_t(g - 1)] = interval(next[size_t(g - 1)].stability);
    }
    days[0] = std::min(days[0], days[1]);
    days[1] = std::max(days[1], days[0] + 1);
    days[2] = std::max(days[2], days[1] + 1);
    days[3] = std::max(days[3], days[2] + 1);

    const size_t chosen = size_t(int(grade) - 1);
    MemoryState after = state;
    after.isNew = false;
    after.difficulty = next[chosen].difficulty;
    after.stability = next[chosen].stability;
    after.lastReview = now.toUTC();
    after.scheduledDays = days[chosen];
    after.due = after.lastReview.addMSecs(qint64(days[chosen]) * 24 * 3600 * 1000);
    after.reps = state.reps + 1;
    if (grade == Grade::Again && !state.isNew)
        after.lapses = state.lapses + 1;
    return after;
}

} // namespace lexora
