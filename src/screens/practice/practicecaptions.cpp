// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/practice/practicecaptions.h"

#include "app/window.h"
#include "data/topics.h"
#include "screens/practice/practicecontrols.h"
#include "text/captions.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <utility>

namespace lexora {

namespace {

constexpr int kProductTitleKey = 65;

void applyCatalogue(const PracticeControls& c, int langcode) {
    const std::pair<QObject*, int> keyed[] = {
        {c.command[1], 6},   {c.command[2], 5},      {c.command[10], 5},       {c.command[3], 2},
        {c.command[5], 7},   {c.command[6], 4},      {c.command[7], 8},        {c.command[8], 9},
        {c.command[9], 10},  {c.menus.tasks, 26},    {c.menus.settings, 27},   {c.menus.practice, 31},
        {c.menus.test, 32},  {c.menus.database, 33}, {c.menus.parameters, 34}, {c.menus.number, 35},
        {c.menus.delay, 36}, {c.menus.level, 37},    {c.menus.start, 38},      {c.menus.topic, 41},
        {c.label[28], 61},   {c.label[29], 62},      {c.label[23], 68},
    };
    for (const auto& [control, key] : keyed)
        setCaption(control, CaptionCatalogue::caption(key, langcode));
    for (int n = 0; n < TopicCatalogue::count; ++n)
        setCaption(c.menus.topicItem[size_t(n)],
                   CaptionCatalogue::caption(TopicCatalogue::topic(n).captionKey, langcode));
}

// Hungarian captions that differ from the catalogue's; the letter "õ" is as the screen has always shown it.
void applyHungarian(const PracticeControls& c) {
    const std::pair<QObject*, const char*> fixed[] = {
        {c.command[2], "To&vább"},
        {c.command[10], "To&vább"},
        {c.command[5], "&Elsõ"},
        {c.command[7], "Viss&za"},
        {c.command[8], "Tová&bb"},
        {c.menus.start, "&Kezdõpont..."},
        {c.menus.topicItem[1], "&Igeidõk használata"},
        {c.menus.topicItem[6], "Fü&ggõ beszéd (kérdés, válasz)"},
        {c.menus.topicItem[7], "Sze&nvedõ szerkezet"},
        {c.menus.topicItem[10], "Jelzõi mellé&kmondat"},
        {c.menus.topicItem[11], "&Fõnév"},
        {c.menus.topicItem[17], "Kö&tõszó"},
    };
    for (const auto& [control, text] : fixed)
        setCaption(control, QString::fromUtf8(text));
}

} // namespace

void PracticeCaptions::apply(const PracticeControls& controls, int langcode) {
    applyCatalogue(controls, langcode);
    if (langcode == LangCode::Hungarian)
        applyHungarian(controls);
}

QString PracticeCaptions::titleWord(int langcode) {
    switch (langcode) {
    case LangCode::Hungarian:
        return QStringLiteral("Gyakorlás");
    case LangCode::Spanish:
        return QStringLiteral("Ejercicio");
    case LangCode::French:
        return QStringLiteral("Exercice");
    default:
        return QStringLiteral("Practice");
    }
}

QString PracticeCaptions::windowTitle(int langcode) {
    // The product title reads the same in every language; it is taken from the English block.
    return CaptionCatalogue::caption(kProductTitleKey, LangCode::English) + QStringLiteral("  ----  ") +
           titleWord(langcode);
}

} // namespace lexora
