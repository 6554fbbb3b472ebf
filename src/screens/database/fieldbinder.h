// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace lexora {

class LiveView;

// Ties text boxes to the fields of the current row of a live view. The boxes show the row when asked to
// (after the view has moved); the boxes the user changed since then are written into the row's edit
// buffer before the row is saved. Modification is tracked per box, so an unchanged box never overwrites
// its field. While the view has no row to show, the boxes are blank and read-only; while its file
// cannot be written, they show the row read-only.
class FieldBinder : public QObject {
    Q_OBJECT

public:
    explicit FieldBinder(QObject* parent = nullptr) : QObject(parent) {}

    void setView(LiveView* view) { m_view = view; }
    void bind(QLineEdit* box, const QString& field);
    void bind(QPlainTextEdit* box, const QString& field);
    // The box of `field` may not be emptied: store() refuses it as it refuses a value the field
    // cannot hold.
    void requireValue(const QString& field);

    // Fills every box from the row on display: the current row, or the row being added or edited.
    // No box counts as changed afterwards.
    void show();
    // Puts a text into the box of `field` as if it had been typed, so that it is written with the others.
    void setText(const QString& field, const QString& text);
    QString text(const QString& field) const;
    bool binds(const QString& field) const { return find(field) != nullptr; }

    bool modified() const;
    // Copies the changed boxes into the view's edit buffer, beginning an edit of the current row unless
    // an edit or a new row is under way. Throws StoreError, naming the field, for a text its field
    // cannot hold or a required box that was emptied; the boxes keep what was typed.
    void store();
    // The changed boxes have been written (or are to be forgotten).
    void markSaved();

private:
    struct Binding {
        QWidget* box = nullptr;
        QString field;
        bool modified = false;
        bool required = false;
    };

    Binding* find(const QString& field);
    const Binding* find(const QString& field) const;
    static QString boxText(const Binding& binding);
    void setBoxText(Binding& binding, const QString& text, bool editable);
    void add(QWidget* box, const QString& field);

    LiveView* m_view = nullptr;
    std::vector<Binding> m_bindings;
    bool m_filling = false; // the boxes are being filled from the row: not a change by the user
};

} // namespace lexora
