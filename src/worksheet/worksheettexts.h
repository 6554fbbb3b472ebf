// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/translated.h"

namespace lexora::worksheettext {

// Headings of the printed sheet.
inline constexpr Translated title{"Worksheet", "Feladatlap", "Hoja de ejercicios", "Feuille d'exercices"};
inline constexpr Translated name{"Name:", "Név:", "Nombre:", "Nom\u00a0:"};
inline constexpr Translated date{"Date:", "Dátum:", "Fecha:", "Date\u00a0:"};
inline constexpr Translated answerKey{"Answer key", "Megoldókulcs", "Soluciones", "Corrigé"};
inline constexpr Translated allLevels{"All levels", "Minden szint", "Todos los niveles", "Tous les niveaux"};
inline constexpr Translated level{"Level %1", "%1. szint", "Nivel %1", "Niveau %1"};
inline constexpr Translated topic{"Topic: %1", "Téma: %1", "Tema: %1", "Sujet\u00a0: %1"};
inline constexpr Translated from{"from place %1 of the sequence", "a sorrend %1. helyétől",
                                 "desde el puesto %1 de la secuencia", "à partir de la place %1 de la séquence"};
inline constexpr Translated randomItems{"items drawn at random", "véletlenszerűen választott mondatok",
                                        "oraciones elegidas al azar", "fiches tirées au hasard"};
inline constexpr Translated page{"Page %1 of %2", "%1. oldal / %2", "Página %1 de %2", "Page %1 sur %2"};

} // namespace lexora::worksheettext
