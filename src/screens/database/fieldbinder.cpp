// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/fieldbinder.h"

#include "data/itemview.h"
#include "data/storeerror.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace lexora {

void FieldBinder::add(QWidget* box, const QString& field) {
    m_bindings.push_back({box, field, false});
}

void FieldBinder::bind(QLineEdit* box, const QString& field) {
    const size_t index = m_bindings.size();
    add(box, field);
    // textEdited comes from the user only, never from setText.
    connect(box, &QLineEdit::textEdited, this, [this, index] { m_bindings[index].modified = true; });
}

void FieldBinder::bind(QPlainTextEdit* box, const QString& field) {
    const size_t index = m_bindings.size();
    add(box, field);
    connect(box, &QPlainTextEdit::textChanged, this, [this, index] {
        if (!m_filling)
            m_bindings[index].modified = true;
    });
}

void FieldBinder::requireValue(const QString& field) {
    if (Binding* binding = find(field))
        binding->required = true;
}

void FieldBinder::show() {
    std::vector<QString> values(m_bindings.size());
    bool hasRow = m_view && (m_view->editMode() != LiveView::EditMode::None || m_view->hasCurrent());
    if (hasRow) {
        try {
            for (size_t i = 0; i < m_bindings.size(); ++i)
                values[i] = m_view->text(m_bindings[i].field);
        } catch (const StoreError&) {
            // The row has gone (deleted through another view): nothing to show.
            hasRow = false;
            values.assign(m_bindings.size(), QString());
        }
    }
    // Nothing typed could be stored in a file that cannot be written: its boxes only show the row.
    const bool editable = hasRow && m_view->writable();
    for (size_t i = 0; i < m_bindings.size(); ++i)
        setBoxText(m_bindings[i], values[i], editable);
    markSaved();
}

void FieldBinder::setText(const QString& field, const QString& text) {
    if (Binding* binding = find(field)) {
        setBoxText(*binding, text, true);
        binding->modified = true;
    }
}

QString FieldBinder::text(const QString& field) const {
    const Binding* binding = find(field);
    return binding ? boxText(*binding) : QString();
}

bool FieldBinder::modified() const {
    for (const Binding& binding : m_bindings) {
        if (binding.modified)
            return true;
    }
    return false;
}

void FieldBinder::store() {
    if (!m_view || !modified())
        return;
    // Refused before the row is touched, so that nothing of the edit is begun.
    for (const Binding& binding : m_bindings) {
        if (binding.required && binding.modified && boxText(binding).trimmed().isEmpty())
            throw StoreError(StoreError::Kind::BadValue, StoreError::Reason::EmptyNumber, {binding.field});
    }
    if (m_view->editMode() == LiveView::EditMode::None)
        m_view->edit();
    for (const Binding& binding : m_bindings) {
        if (binding.modified)
            m_view->setField(binding.field, boxText(binding));
    }
}

void FieldBinder::markSaved() {
    for (Binding& binding : m_bindings)
        binding.modified = false;
}

FieldBinder::Binding* FieldBinder::find(const QString& field) {
    for (Binding& binding : m_bindings) {
        if (binding.field.compare(field, Qt::CaseInsensitive) == 0)
            return &binding;
    }
    return nullptr;
}

const FieldBinder::Binding* FieldBinder::find(const QString& field) const {
    return const_cast<FieldBinder*>(this)->find(field);
}

QString FieldBinder::boxText(const Binding& binding) {
    if (auto* line = qobject_cast<QLineEdit*>(binding.box))
        return line->text();
    return static_cast<QPlainTextEdit*>(binding.box)->toPlainText();
}

void FieldBinder::setBoxText(Binding& binding, const QString& text, bool editable) {
    m_filling = true;
    if (auto* line = qobject_cast<QLineEdit*>(binding.box)) {
        line->setText(text);
        line->setCursorPosition(0);
        line->setReadOnly(!editable);
    } else {
        auto* plain = static_cast<QPlainTextEdit*>(binding.box);
        plain->setPlainText(text);
        plain->setReadOnly(!editable);
    }
    m_filling = false;
}

} // namespace lexora
