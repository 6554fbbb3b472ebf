// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Practice screen's review of the items due (the Settings entry "Due for review"): Next brings
// the items whose day has come, the most overdue first, each once; when none is left the screen
// says when the next one is due. The answers go into the progress file like every first answer.
#include "screens/practice/practicescreen.h"

#include "app/appcontext.h"
#include "data/itemfingerprint.h"
#include "data/itemstore.h"
#include "screens/practice/practicestate.h"
#include "screens/progress/progresstexts.h"
#include "screens/progress/reviewclock.h"
#include "text/messages.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace lexora {

namespace {

QString dueKey(int number, const QString& fingerprint) {
    return QString::number(number) + QLatin1Char('/') + fingerprint;
}

} // namespace

void PracticeScreen::recordFirstAnswer(const QString& choice, bool right, const QString& typed) {
    const AnswerMode mode = typedShown() ? AnswerMode::Typed : AnswerMode::Chosen;
    if (auto answer = m_first.take(choice, right, AnswerPlace::Practice, ctx().platform.now(), mode, typed))
        ctx().progress.record(this, state().titleword, *answer);
}

void PracticeScreen::mnudue_Click() {
    handler([this] { enterDueMode(); });
}

// Practice goes over to the review: Next draws from the due items, and the controls of a walk
// through a selection go. Before Start the mode waits for Start; after it the first due item comes.
void PracticeScreen::enterDueMode() {
    PracticeState& s = state();
    // With nothing due today the mode is not entered: the learner is told when the next item is due.
    ctx().progress.flush();
    const QString bank = QFileInfo(ctx().globals.dbpath).fileName();
    size_t dueToday = 0;
    try {
        dueToday = unchangedDueItems(ctx().progress.store(), ctx().progress.fingerprints(), ctx().globals.dbpath,
                                     ReviewClock::endOfToday(ctx().platform.now()))
                       .size();
    } catch (const ProgressError& e) {
        ctx().platform.message(this, ctx().progress.describe(e), s.titleword, MessageIcon::Exclamation);
        return;
    }
    if (dueToday == 0) {
        tellNoneDue(bank, std::nullopt);
        return;
    }
    s.dueMode = true;
    s.seqmode = 0;
    s.duePresented.clear();
    setShown({m_c.command[2], m_c.command[5], m_c.command[7], m_c.command[8], m_c.command[9], label(23), label(27),
              label(28), label(21), label(29), label(30), label(31), label(32)},
             false);
    if (!m_c.command[3]->isHidden())
        return;
    m_c.command[10]->show();
    setDefaultButton(nullptr);
    Command10_Click();
}

// Brings the most overdue item not yet brought up in this review; false (and a message) when none is left.
bool PracticeScreen::nextDueItem() {
    Globals& g = ctx().globals;
    PracticeState& s = state();
    ProgressRecorder& progress = ctx().progress;
    // An answer still queued moves its item's due day; it is written before the next is chosen.
    progress.flush();
    const QString bank = QFileInfo(g.dbpath).fileName();
    const QDateTime now = ctx().platform.now();
    std::vector<ProgressStore::DueItem> due;
    std::optional<QDateTime> next;
    try {
        // Only as many as can be needed: those brought up already in this review, and a few more
        // for items edited since they fell due.
        due = progress.store().dueItems(bank, ReviewClock::endOfToday(now), s.duePresented.size() + 50);
        if (due.empty())
            next = progress.store().nextDue(bank);
    } catch (const ProgressError& e) {
        ctx().platform.message(this, progress.describe(e), s.titleword, MessageIcon::Exclamation);
        return false;
    }

    s.dbhandle = ItemStore::open(g.dbpath);
    g.rstable = s.dbhandle->tableView(QStringLiteral("test1"));
    LiveView& table = *g.rstable;
    table.setIndex(QStringLiteral("sorszam"));
    bool found = false;
    for (const ProgressStore::DueItem& item : due) {
        const QString key = dueKey(item.number, item.fingerprint);
        if (s.duePresented.contains(key))
            continue;
        table.seek(item.number);
        // An item edited since (or deleted) is not the one that fell due.
        if (table.noMatch() || itemFingerprint(ItemContent::fromCurrentRow(table)) != item.fingerprint)
            continue;
        s.duePresented.insert(key);
        found = true;
        break;
    }
    if (!found) {
        tellNoneDue(bank, next);
        return false;
    }
    clearChoice();
    ++g.itemsdone;
    label(22)->setText(QString::number(g.itemsdone));
    display(table);
    setShown({label(17), label(18), label(19), label(20), label(21)}, false);
    return true;
}

void PracticeScreen::tellNoneDue(const QString& bank, std::optional<QDateTime> next) {
    const int lang = langcode();
    const QDateTime now = ctx().platform.now();
    if (!next) {
        try {
            next = ctx().progress.store().nextDue(bank);
        } catch (const ProgressError&) {
            // Without the file's word the learner is told that nothing is due.
        }
    }
    const QString text = ProgressTexts::noneDue(lang, next, now);
    ctx().platform.message(this, text, state().titleword, MessageIcon::Information);
}

} // namespace lexora
