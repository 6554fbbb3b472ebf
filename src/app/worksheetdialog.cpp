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
    auto* level = new QComboBox(&dialog);
    level->setObjectName(QStringLiteral("levelChoice"));
    level->addItems(setup.levels);
    level->setCurrentIndex(setup.level);
    auto* topic = new QComboBox(&dialog);
    topic->setObjectName(QStringLiteral("topicChoice"));
    topic->addItems(setup.topics);
    topic->setCurrentIndex(setup.topic);
    auto* language = new QComboBox(&dialog);
    language->addItems(setup.languages);
    language->setCurrentIndex(setup.language);
    auto* explain = new QCheckBox(setup.explainLabel, &dialog);
    explain->setObjectName(QStringLiteral("explainCheck"));
    explain->setChecked(setup.explain);

    auto* form = new QFormLayout;
    form->addRow(setup.countLabel, count);
    form->addRow(setup.levelLabel, level);
    form->addRow(setup.topicLabel, topic);
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
    return WorksheetDialogAnswer{count->value(), level->currentIndex(), topic->currentIndex(), language->currentIndex(),
                                 toPrinter,      explain->isChecked()};
}

} // namespace lexora
