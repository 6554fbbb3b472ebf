// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/reasoneditor.h"

#include "app/appcontext.h"
#include "data/itemview.h"
#include "data/reasons.h"
#include "data/sqlitedb.h"
#include "screens/database/reasontexts.h"
#include "text/captions.h"

namespace lexora {

namespace {

bool sameTexts(const QString& english, const QString& hungarian, const QString& shownEnglish,
               const QString& shownHungarian) {
    return english.trimmed() == shownEnglish.trimmed() && hungarian.trimmed() == shownHungarian.trimmed();
}

} // namespace

void ReasonEditor::edit(LiveView& items, const QString& title) {
    const int lang = m_context.globals.langcode.value_or(LangCode::English);
    if (!items.hasCurrent() || !items.database()) {
        m_context.platform.message(m_window, reasontext::noItem.in(lang), title, MessageIcon::Information);
        return;
    }
    const ItemContent content = ItemContent::fromCurrentRow(items);
    const QString fingerprint = itemFingerprint(content);
    const ReasonTable own(items.database());
    const Reason shown = m_context.explanations.find(own, fingerprint);
    const AnswerNotes shownNotes = m_context.explanations.notesOf(own, fingerprint);
    const std::vector<QString> wrong = wrongAnswers(content);

    ReasonDialogSetup setup{reasontext::title.in(lang),
                            reasontext::englishLabel.in(lang),
                            reasontext::hungarianLabel.in(lang),
                            reasontext::okButton.in(lang),
                            reasontext::cancelButton.in(lang),
                            shown.english,
                            shown.hungarian,
                            reasontext::reasonRow.in(lang),
                            {},
                            {}};
    for (size_t k = 0; k < wrong.size(); ++k) {
        setup.noteLabels << reasontext::noteRow.in(lang).arg(k + 1).arg(wrong[k]);
        const auto it = shownNotes.find(wrong[k]);
        setup.notes.push_back(it == shownNotes.end() ? NoteTexts{}
                                                     : NoteTexts{it->second.english, it->second.hungarian});
    }
    const std::optional<ReasonDialogAnswer> answer = m_context.platform.editReason(m_window, setup);
    if (!answer)
        return;

    // Only what the teacher changed is written, as the teacher's: a shipped reason or note left as
    // it was stays the shipped one, and an unchanged dialog writes nothing.
    std::vector<std::pair<QString, Reason>> reasons;
    if (!sameTexts(answer->english, answer->hungarian, shown.english, shown.hungarian))
        reasons.emplace_back(fingerprint, Reason{answer->english.trimmed(), answer->hungarian.trimmed(), true});
    std::vector<AnswerNoteRow> notes;
    for (size_t k = 0; k < wrong.size() && k < answer->notes.size(); ++k) {
        const NoteTexts& written = answer->notes[k];
        if (!sameTexts(written.english, written.hungarian, setup.notes[k].english, setup.notes[k].hungarian))
            notes.push_back(
                {fingerprint, wrong[k], AnswerNote{written.english.trimmed(), written.hungarian.trimmed(), true}});
    }
    if (reasons.empty() && notes.empty())
        return;
    Transaction transaction(items.database());
    if (!reasons.empty())
        own.writeAll(transaction, reasons);
    if (!notes.empty())
        own.answerNotes().writeAll(transaction, notes);
    transaction.commit();
}

ItemContent ReasonEditor::before(const LiveView& items) {
    return items.hasCurrent() ? ItemContent::fromCurrentRow(items) : ItemContent{};
}

void ReasonEditor::after(const LiveView& items, const ItemContent& before) {
    if (!items.hasCurrent() || !items.database() || before.sentence.isNull())
        return;
    const ItemContent now = ItemContent::fromCurrentRow(items);
    const ReasonTable reasons(items.database());
    reasons.follow(itemFingerprint(before), itemFingerprint(now));
    reasons.answerNotes().follow(before, now);
}

} // namespace lexora
