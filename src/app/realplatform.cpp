// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/realplatform.h"

#include "app/reasondialog.h"

#include "app/window.h"
#include "app/worksheetdialog.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdlib>

namespace lexora {

void RealPlatform::message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(icon == MessageIcon::Information   ? QMessageBox::Information
                : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                   : QMessageBox::Critical);
    box.setStandardButtons(QMessageBox::Ok);
    // The screens stay on top of other windows, so the box must too.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

QString RealPlatform::input(QWidget* parent, const QString& title, const QString& prompt,
                            const QString& defaultText) {
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.resize(520, box.sizeHint().height());
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

std::optional<FontChoice> RealPlatform::chooseFont(QWidget* parent, const FontChoice& current) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, fontFor(current), parent);
    if (!ok)
        return std::nullopt;
    return FontChoice{chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic(), chosen.underline(),
                      chosen.strikeOut()};
}

void RealPlatform::beep() {
    QApplication::beep();
}

bool RealPlatform::confirm(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

std::optional<int> RealPlatform::chooseOne(QWidget* parent, const QString& title, const QString& prompt,
                                           const QStringList& choices) {
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setComboBoxItems(choices);
    box.setComboBoxEditable(false);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    const int index = choices.indexOf(box.textValue());
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

QString RealPlatform::openFileName(QWidget* parent, const QString& title, const QString& filter) {
    const QString chosen = QFileDialog::getOpenFileName(parent, title, m_folders.folder(), filter);
    m_folders.remember(chosen);
    return chosen;
}

QString RealPlatform::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& suggestedName) {
    const QString chosen =
        QFileDialog::getSaveFileName(parent, title, QDir(m_folders.folder()).filePath(suggestedName), filter);
    m_folders.remember(chosen);
    return chosen;
}

std::optional<ReasonDialogAnswer> RealPlatform::editReason(QWidget* parent, const ReasonDialogSetup& setup) {
    return runReasonDialog(parent, setup);
}

std::optional<WorksheetDialogAnswer> RealPlatform::chooseWorksheet(QWidget* parent,
                                                                   const WorksheetDialogSetup& setup) {
    return runWorksheetDialog(parent, setup);
}

bool RealPlatform::print(QWidget* parent, const QString& title,
                         const std::function<void(QPagedPaintDevice&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}

// splitmix64: the clock is mixed into a state that keeps running, so a re-seed within
// the same millisecond does not repeat the previous draw.
void RealPlatform::reseedRandom() {
    m_state ^= quint64(QDateTime::currentMSecsSinceEpoch()) * 0xBF58476D1CE4E5B9ull;
}

double RealPlatform::random() {
    quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return double(z >> 11) / double(1ull << 53);
}

QDateTime RealPlatform::now() {
    return QDateTime::currentDateTimeUtc();
}

void RealPlatform::endProcess() {
    std::_Exit(0);
}

} // namespace lexora
