// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace lexora {

enum class MessageIcon { Information, Exclamation, Stop };

struct FontChoice {
    QString family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// What the worksheet dialog offers (texts in the working language) and what it shows chosen at first.
struct WorksheetDialogSetup {
    QString title;
    QString countLabel;
    QString levelLabel;
    QString topicLabel;
    QString languageLabel;
    QString explainLabel; // the check box that puts each item's reason into the answer key
    QString saveButton;
    QString printButton;
    QString cancelButton;
    QStringList levels; // every level, then levels 1 to 3
    QStringList topics; // every topic, then the Topic menu's entries
    QStringList languages;
    int count = 20;
    int level = 0;
    int topic = 0;
    int language = 0;
    bool explain = false;
};

// What the teacher chose in the worksheet dialog.
struct WorksheetDialogAnswer {
    int count = 20;
    int level = 0;      // index into WorksheetDialogSetup::levels: 0 every level, else the level
    int topic = 0;      // index into WorksheetDialogSetup::topics: 0 every topic, else entry + 1
    int language = 0;   // index into WorksheetDialogSetup::languages
    bool print = false; // to the printer rather than into a PDF file
    bool explain = false; // each item's reason under its line of the answer key
};

// A note on one wrong answer in the explanations dialog, in English and in Hungarian.
struct NoteTexts {
    QString english;
    QString hungarian;
};

// What the explanations dialog of the Database screen shows (texts in the working language):
// the reason and a note on each wrong answer.
struct ReasonDialogSetup {
    QString title;
    QString englishLabel;
    QString hungarianLabel;
    QString okButton;
    QString cancelButton;
    QString english; // the reason as it stands, to be edited
    QString hungarian;
    QString reasonLabel;          // the reason's row
    QStringList noteLabels;       // one row label for each wrong answer, with its access key ("&1. Why not ...?")
    std::vector<NoteTexts> notes; // the notes as they stand, one for each label
};

// What the teacher wrote in the explanations dialog: the reason, and the notes in the order given.
struct ReasonDialogAnswer {
    QString english;
    QString hungarian;
    std::vector<NoteTexts> notes;
};

// The program's one seam to the desktop: boxes, beep, random numbers and the end of
// the process. The program uses the real one; tests give a scripted one.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with one OK button.
    virtual void message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) = 0;
    // A modal input box; Cancel gives the empty text.
    virtual QString input(QWidget* parent, const QString& title, const QString& prompt, const QString& defaultText) = 0;
    // The font dialog, opened with `current`; nothing when it was cancelled.
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& current) = 0;
    virtual void beep() = 0;
    // Tells screen readers that a control has just appeared (the green or the red box), so
    // they say its name at once (through speak).
    virtual void announce(QWidget* control);
    // Has screen readers say `text` at once, in the window of `control`: a notification of the
    // window that carries the text is shown afresh, which screen readers speak as it comes.
    virtual void speak(QWidget* control, const QString& text);

    // A modal question with Yes and No; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text, const QString& title) = 0;
    // A modal list of choices; the index of the chosen one, nothing when it was cancelled.
    virtual std::optional<int> chooseOne(QWidget* parent, const QString& title, const QString& prompt,
                                         const QStringList& choices) = 0;
    // The file boxes: the path of the file chosen to read or to write, empty when cancelled.
    // `filter` is a Qt name filter such as "GIFT (*.gift *.txt)".
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& suggestedName) = 0;

    // The worksheet dialog: how many items, from which level or topic, in which language, and
    // whether to save or to print; nothing when it was cancelled.
    virtual std::optional<WorksheetDialogAnswer> chooseWorksheet(QWidget* parent,
                                                                 const WorksheetDialogSetup& setup) = 0;
    // The dialog where a teacher reads and writes an item's reason and the notes on its wrong
    // answers, in English and Hungarian; nothing when it was cancelled.
    virtual std::optional<ReasonDialogAnswer> editReason(QWidget* parent, const ReasonDialogSetup& setup) = 0;
    // The system print dialog; once a printer is chosen, `paint` draws the document on it.
    // False when the dialog was cancelled.
    virtual bool print(QWidget* parent, const QString& title, const std::function<void(QPagedPaintDevice&)>& paint) = 0;

    // Re-seeds the random source from the clock. Its running state goes on, so two
    // draws within one clock tick still differ.
    virtual void reseedRandom() = 0;
    // A number drawn uniformly from [0, 1).
    virtual double random() = 0;

    // Ends the process at once; no close handler of any screen runs.
    virtual void endProcess() = 0;

    // The time now, in UTC: when an answer is recorded and what is due for review.
    virtual QDateTime now() = 0;
};

} // namespace lexora
