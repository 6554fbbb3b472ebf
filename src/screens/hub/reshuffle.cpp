// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/hub/reshuffle.h"

#include "app/platform.h"
#include "data/itemstore.h"
#include "data/itemview.h"
#include "data/schema.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"

#include <QVariant>

#include <cmath>

namespace lexora {

int Reshuffle::candidate(double draw) {
    float r = float(draw);
    // A draw just below 1 can round up to 1 in single precision; it still belongs to the top value.
    if (r >= 1.0f)
        r = std::nextafter(1.0f, 0.0f);
    if (r < 0.0f)
        r = 0.0f;
    return int(std::floor(r * float(range) + 1.0f));
}

std::optional<int> Reshuffle::step(int n, int first) {
    const int next = first >= threshold ? n - 1 : n + 1;
    if (next < kIntegerMin || next > kIntegerMax)
        return std::nullopt;
    return next;
}

Reshuffle::Result Reshuffle::run() {
    Result result;
    if (m_view.count() == 0) {
        result.outcome = Outcome::Empty;
        return result;
    }
    try {
        const auto transaction = beginTransaction(m_view);
        readTakenPlaces();
        m_view.moveFirst();
        while (!m_view.eof()) {
            placeCurrentRow(result);
            m_view.moveNext();
        }
        transaction->commit();
    } catch (const StoreError& e) {
        // The transaction has been rolled back on the way out: the file is as it was.
        result.outcome = Outcome::Failed;
        result.problem = e;
        result.rows = 0;
    }
    try {
        m_view.refresh();
    } catch (const StoreError&) {
        // After a failure the file may well not open again (missing, damaged, locked); the
        // view is left closed and the first failure is the one to tell.
        if (result.outcome != Outcome::Failed)
            throw;
    }
    return result;
}

// The places in use, read once inside the transaction: nothing else can write the table
// until it ends, so the set stays true and a taken place is skipped without a refused write.
// A large bank fills most of the range, and refused writes would then cost seconds.
void Reshuffle::readTakenPlaces() {
    m_taken.clear();
    Statement places = m_view.database()->prepare("SELECT sorrend2 FROM \"" + itemTable().name.toStdString() +
                                                  "\" WHERE sorrend2 IS NOT NULL");
    while (places.step())
        m_taken.insert(int(places.columnInt(0)));
}

void Reshuffle::placeCurrentRow(Result& result) {
    m_platform.reseedRandom();
    const int first = candidate(m_platform.random());
    const QVariant own = m_view.field(QStringLiteral("sorrend2"));
    int n = first;
    while (!tryPlace(n, own)) {
        ++result.collisions;
        const std::optional<int> next = step(n, first);
        if (!next)
            throw StoreError(StoreError::Kind::BadValue, StoreError::Reason::NoFreePlace,
                             {m_view.text(QStringLiteral("sorszam"))});
        n = *next;
    }
    if (own.isValid())
        m_taken.erase(own.toInt());
    m_taken.insert(n);
    ++result.rows;
}

// Writes place `n` to the current row; false when another row holds it.
bool Reshuffle::tryPlace(int n, const QVariant& own) {
    // A place another row holds is taken; the row's own place is free to it.
    if (m_taken.count(n) > 0 && !(own.isValid() && own.toInt() == n))
        return false;
    try {
        // A refused write leaves the edit open with the row as read, so the next value
        // is written without reading the row again.
        if (m_view.editMode() == LiveView::EditMode::None)
            m_view.edit();
        m_view.setField(QStringLiteral("sorrend2"), n);
        m_view.update();
        return true;
    } catch (const StoreError& e) {
        if (e.kind() != StoreError::Kind::DuplicateKey) {
            m_view.cancelUpdate();
            throw;
        }
        return false;
    }
}

} // namespace lexora
