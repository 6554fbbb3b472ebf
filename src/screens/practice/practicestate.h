// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemstore.h"

#include <QSet>
#include <QString>

#include <memory>
#include <optional>

namespace lexora {

// The Practice screen's own variables. The registry keeps them for the whole run, so
// closing and reopening the screen finds them as they were; the load handler sets
// seqmode, dbhandle, selection and titleword afresh and leaves the others alone.
struct PracticeState {
    std::optional<ItemStore> dbhandle;       // the item database, opened when the screen loads
    std::unique_ptr<SnapshotView> allItems;  // every item of dbhandle in ascending sorrend2, while unchanged
    QString allItemsPath;                    // the file allItems was copied from
    qint64 allItemsStamp = 0;                // the file's change stamp when allItems was copied
    std::unique_ptr<SnapshotView> selection; // the items sequential mode walks
    int seqmode = 0;                         // 0 = random mode, 1 = sequential mode
    QString startcrit;                       // criterion of the starting point chosen last
    int selcount = 0;                        // number of items in selection, as counted by szam
    int selpos = 0;                          // position (from 1) of the item on display within selection
    QString titleword;                       // the screen's name in the working language
    qint16 maxno = 0;                        // largest sorszam, read at the first random draw of the run
    bool dueMode = false;                    // Next brings the items due for review (while seqmode is 0)
    int openOnTopic = -1;                    // My progress asks for a topic (Topic menu entry) at the next opening
    bool openInDueMode = false;              // the hub asks for the review of due items at the next opening
    QSet<QString> duePresented;              // items of the review brought up already ("number/fingerprint")
    bool typedMode = false;                  // "Write the answer": the learner writes the missing words
};

} // namespace lexora
