// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/reasondialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexora {

namespace {

// A box of `lines` lines; a growing one takes what room the dialog is given, the others keep their height.
QPlainTextEdit* textBox(QDialog* dialog, const QString& name, const QString& text, int lines, bool growing) {
    auto* box = new QPlainTextEdit(text, dialog);
    box->setObjectName(name);
    box->setTabChangesFocus(true); // Tab leaves the box, as in every other field
    const int height = lines * box->fontMetrics().lineSpacing() + 14;
    box->setMinimumSize(340, height);
    if (!growing)
        box->setMaximumHeight(height);
    box->setSizePolicy(QSizePolicy::Expanding, growing ? QSizePolicy::Expanding : QSizePolicy::Fixed);
    return box;
}

// A label's text as a part of a box's accessible name: no access-key mark, no closing colon.
QString spokenPart(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QString spokenName(const QString& row, const QString& column) {
    return spokenPart(row) + QStringLiteral(", ") + spokenPart(column);
}

} // namespace

std::optional<ReasonDialogAnswer> runReasonDialog(QWidget* parent, const ReasonDialogSetup& setup) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("reasonDialog"));
    dialog.setWindowTitle(setup.title);

    // One row for the reason and one for each wrong answer's note, English left of Hungarian; Tab
    // goes along the rows, and each row's label takes the focus to its English box by its access key.
    auto* grid = new QGridLayout;
    auto* englishLabel = new QLabel(setup.englishLabel, &dialog);
    auto* hungarianLabel = new QLabel(setup.hungarianLabel, &dialog);
    grid->addWidget(englishLabel, 0, 1);
    grid->addWidget(hungarianLabel, 0, 2);

    auto* english = textBox(&dialog, QStringLiteral("reasonEnglish"), setup.english, 5, true);
    auto* hungarian = textBox(&dialog, QStringLiteral("reasonHungarian"), setup.hungarian, 5, true);
    englishLabel->setBuddy(english);
    hungarianLabel->setBuddy(hungarian);
    auto* reasonLabel = new QLabel(setup.reasonLabel, &dialog);
    grid->addWidget(reasonLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(english, 1, 1);
    grid->addWidget(hungarian, 1, 2);
    english->setAccessibleName(spokenName(setup.reasonLabel, setup.englishLabel));
    hungarian->setAccessibleName(spokenName(setup.reasonLabel, setup.hungarianLabel));

    std::vector<std::pair<QPlainTextEdit*, QPlainTextEdit*>> noteBoxes;
    for (int k = 0; k < setup.noteLabels.size(); ++k) {
        const NoteTexts note = size_t(k) < setup.notes.size() ? setup.notes[size_t(k)] : NoteTexts{};
        auto* label = new QLabel(setup.noteLabels[k], &dialog);
        label->setWordWrap(true);
        label->setMaximumWidth(220);
        auto* noteEnglish = textBox(&dialog, QStringLiteral("noteEnglish%1").arg(k + 1), note.english, 3, false);
        auto* noteHungarian = textBox(&dialog, QStringLiteral("noteHungarian%1").arg(k + 1), note.hungarian, 3, false);
        label->setBuddy(noteEnglish);
        noteEnglish->setAccessibleName(spokenName(setup.noteLabels[k], setup.englishLabel));
        noteHungarian->setAccessibleName(spokenName(setup.noteLabels[k], setup.hungarianLabel));
        grid->addWidget(label, k + 2, 0, Qt::AlignTop);
        grid->addWidget(noteEnglish, k + 2, 1);
        grid->addWidget(noteHungarian, k + 2, 2);
        noteBoxes.emplace_back(noteEnglish, noteHungarian);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    if (!setup.okButton.isEmpty())
        buttons->button(QDialogButtonBox::Ok)->setText(setup.okButton);
    if (!setup.cancelButton.isEmpty())
        buttons->button(QDialogButtonBox::Cancel)->setText(setup.cancelButton);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    // Tab in reading order: the reason, then each note, English before Hungarian, then the buttons.
    QWidget* previous = english;
    QWidget::setTabOrder(previous, hungarian);
    previous = hungarian;
    for (const auto& [noteEnglish, noteHungarian] : noteBoxes) {
        QWidget::setTabOrder(previous, noteEnglish);
        QWidget::setTabOrder(noteEnglish, noteHungarian);
        previous = noteHungarian;
    }
    QWidget::setTabOrder(previous, buttons);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    english->setFocus();

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ReasonDialogAnswer answer{english->toPlainText(), hungarian->toPlainText(), {}};
    for (const auto& [noteEnglish, noteHungarian] : noteBoxes)
        answer.notes.push_back({noteEnglish->toPlainText(), noteHungarian->toPlainText()});
    return answer;
}

} // namespace lexora
