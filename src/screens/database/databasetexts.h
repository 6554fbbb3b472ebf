// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/translated.h"

namespace lexora::databasetext {

// Options menu entries added beside Fonts.
inline constexpr Translated printWorksheet{"&Print worksheet...", "Feladatlap &nyomtatása...",
                                           "&Imprimir hoja de ejercicios...", "&Imprimer une feuille d'exercices..."};
inline constexpr Translated undoDelete{"&Undo delete", "Törlés &visszavonása", "&Deshacer eliminación",
                                       "&Annuler la suppression"};

// Undo of Delete.
inline constexpr Translated nothingToUndo{"No deleted item to bring back.", "Nincs visszahozható törölt mondat.",
                                          "No hay ninguna oración eliminada que recuperar.",
                                          "Aucune fiche supprimée à rétablir."};
inline constexpr Translated numberTaken{
    "Item number %1 has been taken by another item meanwhile; the item comes back as number %2.",
    "A(z) %1. sorszámot közben egy másik mondat kapta meg; a mondat a(z) %2. sorszámmal kerül vissza.",
    "Otra oración ha tomado entretanto el número %1; la oración vuelve con el número %2.",
    "Le numéro %1 a été pris entre-temps par une autre fiche\u00a0; la fiche revient avec le numéro %2."};
inline constexpr Translated placeTaken{
    "Place %1 of the sequence has been taken by another item meanwhile; the item comes back at place %2.",
    "A sorrend %1. helyét közben egy másik mondat kapta meg; a mondat a(z) %2. helyre kerül vissza.",
    "Otra oración ha tomado entretanto el puesto %1 de la secuencia; la oración vuelve al puesto %2.",
    "La place %1 de la séquence a été prise entre-temps par une autre fiche\u00a0; la fiche revient à la place %2."};

// The worksheet dialog and what follows it.
inline constexpr Translated worksheetTitle{"Print worksheet", "Feladatlap nyomtatása", "Imprimir hoja de ejercicios",
                                           "Imprimer une feuille d'exercices"};
inline constexpr Translated countLabel{
    "Number of items:", "Mondatok száma:", "Número de oraciones:", "Nombre de fiches\u00a0:"};
inline constexpr Translated selectionLabel{"Items from:", "Mondatok köre:", "Oraciones de:", "Fiches de\u00a0:"};
inline constexpr Translated languageLabel{
    "Language of the headings:", "A címek nyelve:", "Idioma de los títulos:", "Langue des titres\u00a0:"};
inline constexpr Translated explainLabel{"Explain the answers in the key", "Indoklás a megoldókulcsban",
                                         "Explicar las respuestas en las soluciones",
                                         "Expliquer les réponses dans le corrigé"};
inline constexpr Translated saveButton{"Save as PDF...", "Mentés PDF-be...", "Guardar como PDF...",
                                       "Enregistrer en PDF..."};
inline constexpr Translated printButton{"Print...", "Nyomtatás...", "Imprimir...", "Imprimer..."};
inline constexpr Translated cancelButton{"Cancel", "Mégse", "Cancelar", "Annuler"};
inline constexpr Translated pdfFilter{"PDF files (*.pdf)", "PDF-fájlok (*.pdf)", "Archivos PDF (*.pdf)",
                                      "Fichiers PDF (*.pdf)"};
inline constexpr Translated suggestedFile{"worksheet.pdf", "feladatlap.pdf", "hoja-de-ejercicios.pdf",
                                          "feuille-d-exercices.pdf"};
inline constexpr Translated noItems{"No item matches this choice; no worksheet was made.",
                                    "Ennek a választásnak egy mondat sem felel meg; feladatlap nem készült.",
                                    "Ninguna oración corresponde a esta elección; no se ha hecho ninguna hoja.",
                                    "Aucune fiche ne correspond à ce choix\u00a0; aucune feuille n'a été créée."};
inline constexpr Translated notWritten{
    "The worksheet could not be written: %1", "A feladatlapot nem sikerült kiírni: %1",
    "No se pudo escribir la hoja de ejercicios: %1", "La feuille d'exercices n'a pas pu être écrite\u00a0: %1"};

} // namespace lexora::databasetext
