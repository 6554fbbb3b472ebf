// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itemview.h"

#include "data/itemviewsupport.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"

namespace lexora {

using namespace viewsupport;

// ---------------------------------------------------------------- ItemView

void ItemView::moveFirst() {
    beforeMove();
    if (size() == 0)
        noCurrentRow();
    standOn(0);
}

void ItemView::moveLast() {
    beforeMove();
    if (size() == 0)
        noCurrentRow();
    standOn(size() - 1);
}

void ItemView::moveNext() {
    beforeMove();
    if (eof())
        noCurrentRow();
    const int target = m_gone ? m_pos : m_pos + 1;
    m_gone = false;
    m_bof = false;
    if (target >= size()) {
        m_pos = size();
        m_eof = true;
    } else {
        m_pos = target;
    }
}

void ItemView::movePrevious() {
    beforeMove();
    if (bof())
        noCurrentRow();
    const int target = m_pos - 1;
    m_gone = false;
    m_eof = false;
    if (target < 0) {
        m_pos = -1;
        m_bof = true;
    } else {
        m_pos = target;
    }
}

void ItemView::moveTo(int pos) {
    beforeMove();
    if (pos < 0 || pos >= size())
        noCurrentRow();
    standOn(pos);
}

void ItemView::findFirst(const QString& criteria) {
    const Criterion criterion = Criterion::parse(criteria, *m_table);
    beforeMove();
    const int found = scan(criterion, 0);
    m_noMatch = found < 0;
    if (found >= 0)
        standOn(found);
}

void ItemView::findNext(const QString& criteria) {
    const Criterion criterion = Criterion::parse(criteria, *m_table);
    beforeMove();
    int from = m_gone ? m_pos : m_pos + 1;
    if (m_bof || m_pos < 0)
        from = 0;
    const int found = (m_eof || from >= size()) ? -1 : scan(criterion, from);
    m_noMatch = found < 0;
    if (found >= 0)
        standOn(found);
}

QVariant ItemView::field(const QString& name) const {
    return currentCell(columnOf(name));
}

QString ItemView::text(const QString& name) const {
    const QVariant value = field(name);
    return value.isNull() ? QString() : value.toString();
}

QVariant ItemView::currentCell(int column) const {
    requireCurrent();
    return cell(m_pos, column);
}

int ItemView::columnOf(const QString& name) const {
    const int column = m_table->fieldIndex(name);
    if (column < 0)
        throw StoreError(StoreError::Kind::UnknownField, StoreError::Reason::NoSuchField, {m_table->name, name});
    return column;
}

void ItemView::requireCurrent() const {
    if (!hasCurrent())
        noCurrentRow();
}

void ItemView::standOn(int pos) {
    m_pos = pos;
    m_bof = false;
    m_eof = false;
    m_gone = false;
}

void ItemView::resetToFirst() {
    m_noMatch = false;
    m_gone = false;
    if (size() > 0) {
        standOn(0);
    } else {
        m_pos = -1;
        m_bof = true;
        m_eof = true;
    }
}

// ---------------------------------------------------------------- values

QVariant storedValue(const FieldDef& field, const QVariant& value) {
    if (value.isNull())
        return {};
    if (field.type == FieldType::Integer) {
        bool ok = false;
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return {};
        const qlonglong number = text.toLongLong(&ok);
        if (!ok || number < kIntegerMin || number > kIntegerMax)
            throw StoreError(
                StoreError::Kind::BadValue, StoreError::Reason::NotWholeNumber,
                {field.name, QString::number(kIntegerMin), QString::number(kIntegerMax), value.toString()});
        return QVariant(number);
    }
    const QString text = value.toString();
    if (text.isEmpty())
        return {};
    if (field.maxLength > 0 && text.size() > field.maxLength)
        throw StoreError(StoreError::Kind::BadValue, StoreError::Reason::TooLong,
                         {field.name, QString::number(field.maxLength), text});
    return QVariant(text);
}

} // namespace lexora
