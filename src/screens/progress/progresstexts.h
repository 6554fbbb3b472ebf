// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/progress/reviewclock.h"
#include "text/translated.h"

#include <optional>

namespace lexora::ProgressTexts {

// The hub's Progress menu and its entries.
inline const Translated kMenu{"P&rogress", "&Haladás", "P&rogreso", "P&rogression"};
inline const Translated kMyProgress{"&My progress...", "&Haladásom...", "&Mi progreso...", "&Ma progression..."};
inline const Translated kReviewDue{"&Review due items", "Esedékes mondatok &ismétlése", "&Repasar oraciones pendientes",
                                   "&Réviser les fiches en attente"};

// The hub's notice of today's review.
inline const Translated kDueTodayOne{"1 item is due for review today.", "Ma 1 mondat vár ismétlésre.",
                                     "Hoy hay 1 oración pendiente de repaso.", "Une fiche est à réviser aujourd'hui."};
inline const Translated kDueTodayMany{"%1 items are due for review today.", "Ma %1 mondat vár ismétlésre.",
                                      "Hoy hay %1 oraciones pendientes de repaso.",
                                      "%1 fiches sont à réviser aujourd'hui."};

// Practice's Settings entry and what it says when nothing (more) is due.
inline const Translated kDueEntry{"Due for &review", "Esedékes &ismétlés", "&Repaso pendiente",
                                  "Fiches à &réviser"};
inline const Translated kNothingDue{"No item is due for review.", "Nincs ismétlésre váró mondat.",
                                    "No hay ninguna oración pendiente de repaso.",
                                    "Aucune fiche n'est à réviser."};
inline const Translated kNextDue{"No more items are due for review now. The next one is due on %1.",
                                 "Most nincs több ismétlésre váró mondat. A következő ekkor esedékes: %1.",
                                 "Por ahora no quedan oraciones pendientes de repaso. La próxima toca el %1.",
                                 "Plus aucune fiche n'est à réviser pour l'instant. La prochaine sera à réviser le "
                                 "%1."};

// What the learner is told when nothing is due today: the day the next item is due, if any.
inline QString noneDue(int langcode, const std::optional<QDateTime>& next, const QDateTime& now) {
    if (next && *next >= ReviewClock::endOfToday(now))
        return kNextDue.in(langcode).arg(
            ReviewClock::localeOf(langcode).toString(next->toLocalTime().date(), QLocale::LongFormat));
    return kNothingDue.in(langcode);
}

} // namespace lexora::ProgressTexts
