// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "programfixture.h"

#include <vector>

namespace lexora::testing {

// The message boxes a program has shown since the last look, so that a test can check
// what each action told.
class Boxes {
public:
    explicit Boxes(ProgramFixture& f) : m_f(f) {}
    std::vector<ScriptedPlatform::Message> fresh() {
        const auto& all = m_f.platform().messages;
        std::vector<ScriptedPlatform::Message> out(all.begin() + qsizetype(m_seen), all.end());
        m_seen = all.size();
        return out;
    }

private:
    ProgramFixture& m_f;
    size_t m_seen = 0;
};

} // namespace lexora::testing
