// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/reasoneditor.h"

#include "app/appcontext.h"
#include "data/itemview.h"
#include "data/reasons.h"
#include "screens/database/reasontexts.h"
#include "text/captions.h"

namespace lexora {

void ReasonEditor::edit(LiveView& items, const QString& title) {
    const int lang = m_context.globals.langcode.value_or(LangCode::English);
    if (!items.hasCurrent() || !items.database()) {
        m_context.platform.message(m_window, reasontext::noItem.in(lang), title, MessageIcon::Information);
        return;
    }
    const QString fingerprint = itemFingerprint(ItemContent::fromCurrentRow(items));
    const ReasonTable own(items.database());
    const Reason shown = m_context.explanations.find(own, fingerprint);

    ReasonDialogSetup setup{reasontext::title.in(lang),    reasontext::englishLabel.in(lang),
                            reasontext::hungarianLabel.in(lang), reasontext::okButton.in(lang),
                            reasontext::cancelButton.in(lang),   shown.english,
                            shown.hungarian};
    const std::optional<ReasonDialogAnswer> answer = m_context.platform.editReason(m_window, setup);
    if (!answer)
        return;
    const Reason written{answer->english.trimmed(), answer->hungarian.trimmed(), true};
    // Nothing changed: the file is not written (a shipped reason stays the shipped one).
    if (written.english == shown.english.trimmed() && written.hungarian == shown.hungarian.trimmed())
        return;
    own.write(fingerprint, written);
}

ItemContent ReasonEditor::before(const LiveView& items) {
    return items.hasCurrent() ? ItemContent::fromCurrentRow(items) : ItemContent{};
}

void ReasonEditor::after(const LiveView& items, const ItemContent& before) {
    if (!items.hasCurrent() || !items.database() || before.sentence.isNull())
        return;
    ReasonTable(items.database()).follow(itemFingerprint(before), itemFingerprint(ItemContent::fromCurrentRow(items)));
}

} // namespace lexora
