// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheetdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lexora {

std::optional<WorksheetDialogAnswer> runWorksheetDialog(QWidget* parent, const WorksheetDialogSetup& setup) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("worksheetDialog"));
    dialog.setWindowTitle(setup.title);

    auto* count = new QSpinBox(&dialog);
    count->setRange(1, 1000);
    count->setValue(setup.count);
    auto* selection = new QComboBox(&dialog);
    selection->addItems(setup.selections);
    selection->setCurrentIndex(setup.selection);
    auto* language = new QComboBox(&dialog);
    language->addItems(setup.languages);
    language->setCurrentIndex(setup.language);
    auto* explain = new QCheckBox(setup.explainLabel, &dialog);
    explain->setObjectName(QStringLiteral("explainCheck"));
    explain->setChecked(setup.explain);

    auto* form = new QFormLayout;
    form->addRow(setup.countLabel, count);
    form->addRow(setup.selectionLabel, selection);
    form->addRow(setup.languageLabel, language);
    form->addRow(explain);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* save = buttons->addButton(setup.saveButton, QDialogButtonBox::AcceptRole);
    QPushButton* print = buttons->addButton(setup.printButton, QDialogButtonBox::AcceptRole);
    save->setDefault(true);
    if (!setup.cancelButton.isEmpty())
        buttons->button(QDialogButtonBox::Cancel)->setText(setup.cancelButton);
    bool toPrinter = false;
    QObject::connect(print, &QPushButton::clicked, &dialog, [&toPrinter] { toPrinter = true; });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return WorksheetDialogAnswer{count->value(), selection->currentIndex(), language->currentIndex(), toPrinter,
                                 explain->isChecked()};
}

} // namespace lexora
