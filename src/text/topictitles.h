// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

// The title Practice shows while topic `n` (0 to 22) is chosen, in the language with offset
// `langcode`: a fixed Hungarian title or the caption of the topic's title key. Throws
// std::out_of_range for a topic number outside 0 to 22.
QString topicPracticeTitle(int n, int langcode);

// The name of topic `n` (0 to 22) as the windows beside the Topic menu show it (Grammar, My
// progress): the menu's caption without its access key. Throws std::out_of_range as above.
QString topicName(int n, int langcode);

} // namespace lexora
