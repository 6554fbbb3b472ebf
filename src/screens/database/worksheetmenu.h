// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace lexora {

struct AppContext;

// "Print worksheet..." of the Database screen: the dialog (count, level or topic, language, reasons in
// the key), then a PDF file through the save box or the printer through the print dialog. The dialog
// starts on the topic of the item on display (keys `kulcs1`, `kulcs2`) and on the working language.
// Failures of the item database are thrown as StoreError; a file that cannot be written is told to
// the teacher.
void printWorksheet(AppContext& context, QWidget* window, const QString& title, const QString& kulcs1,
                    const QString& kulcs2);

} // namespace lexora
