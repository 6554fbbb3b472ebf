// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/messages.h"

#include <QString>
#include <QStringList>

#include <stdexcept>

class QPagedPaintDevice;

namespace lexora {

struct Worksheet;

// Why a worksheet could not be written or printed: what() tells it in English (for the tools),
// in() in the working language.
class WorksheetError : public std::runtime_error {
public:
    // `args` fill the message; a last one that is a system detail is told in the working language too.
    WorksheetError(Messages::Id message, QStringList args);
    QString in(int langcode) const;

private:
    Messages::Id m_message;
    QStringList m_args;
};

// Lays a worksheet out on pages: a heading with the title, the subject and lines for the learner's
// name and the date; the items numbered, each sentence with its gap and the answers A to D, an item
// never split across two pages; then, from a fresh page, the answer key (number, letter, filled
// sentence, and the item's reason below when the sheet has one). Every page carries its number at
// the foot.
class WorksheetWriter {
public:
    explicit WorksheetWriter(const Worksheet& sheet) : m_sheet(sheet) {}

    // Paints on the pages of `device` (a PDF writer or a printer) in its page size and margins.
    // Returns the number of pages painted; throws WorksheetError when the device cannot be painted on.
    int paint(QPagedPaintDevice& device) const;
    // Writes an A4 PDF file with the Liberation fonts embedded. The file is replaced only once the
    // whole document has been written; throws WorksheetError when the file cannot be written.
    // Returns the number of pages.
    int writePdf(const QString& path) const;

private:
    const Worksheet& m_sheet;
};

} // namespace lexora
