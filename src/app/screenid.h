// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace lexora {

// Every window of the program; each exists at most once at a time.
enum class ScreenId { Lang, Hatter, Hub, Practice, Test, FailedItems, Database, Help, About, Grammar, Progress };

} // namespace lexora
