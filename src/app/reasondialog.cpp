// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/reasondialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexora {

namespace {

QPlainTextEdit* reasonBox(QDialog* dialog, const QString& name, const QString& text) {
    auto* box = new QPlainTextEdit(text, dialog);
    box->setObjectName(name);
    box->setTabChangesFocus(true); // Tab leaves the box, as in every other field
    box->setMinimumSize(460, 90);
    return box;
}

} // namespace

std::optional<ReasonDialogAnswer> runReasonDialog(QWidget* parent, const ReasonDialogSetup& setup) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("reasonDialog"));
    dialog.setWindowTitle(setup.title);

    auto* english = reasonBox(&dialog, QStringLiteral("reasonEnglish"), setup.english);
    auto* hungarian = reasonBox(&dialog, QStringLiteral("reasonHungarian"), setup.hungarian);
    auto* englishLabel = new QLabel(setup.englishLabel, &dialog);
    auto* hungarianLabel = new QLabel(setup.hungarianLabel, &dialog);
    englishLabel->setBuddy(english);
    hungarianLabel->setBuddy(hungarian);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    if (!setup.okButton.isEmpty())
        buttons->button(QDialogButtonBox::Ok)->setText(setup.okButton);
    if (!setup.cancelButton.isEmpty())
        buttons->button(QDialogButtonBox::Cancel)->setText(setup.cancelButton);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(englishLabel);
    layout->addWidget(english);
    layout->addWidget(hungarianLabel);
    layout->addWidget(hungarian);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ReasonDialogAnswer{english->toPlainText(), hungarian->toPlainText()};
}

} // namespace lexora
