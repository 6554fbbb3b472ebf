// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/storeerror.h"

#include <QString>
#include <QVariant>

#include <optional>
#include <unordered_set>

namespace lexora {

class LiveView;
class Platform;

// Gives every item of a database a new random place in the sequence (`sorrend2`), so the
// same items come in a new order. Each row draws a value from 1 to 3000; when the value is
// taken, the row walks to the next free one, downwards when its first draw was 1500 or
// more and upwards otherwise. All rows are written in one transaction: when a row cannot
// be written for another reason than a taken value, or the walk would leave the range of
// the field, nothing is changed.
class Reshuffle {
public:
    static constexpr int range = 3000;
    static constexpr int threshold = 1500;

    enum class Outcome { Reordered, Empty, Failed };
    struct Result {
        Outcome outcome = Outcome::Reordered;
        int rows = 0;       // rows written
        int collisions = 0; // writes refused because the value was taken
        std::optional<StoreError> problem; // why nothing was changed (Failed only)
    };

    // `view` is an open live view of the item table; the draws come from `platform`.
    Reshuffle(LiveView& view, Platform& platform) : m_view(view), m_platform(platform) {}

    // Walks the view from its first row and writes every row; the view is opened afresh
    // afterwards, standing on its first row (after a failure it may be left closed).
    Result run();

    // The value a draw in [0, 1) gives, from 1 to 3000, computed in single precision.
    static int candidate(double draw);
    // The value after a taken `n` for a row whose first value was `first`; nothing when the
    // walk would leave the range of the field.
    static std::optional<int> step(int n, int first);

private:
    void readTakenPlaces();
    void placeCurrentRow(Result& result);
    bool tryPlace(int n, const QVariant& own);

    LiveView& m_view;
    Platform& m_platform;
    std::unordered_set<int> m_taken; // the places in use while the reshuffle runs
};

} // namespace lexora
