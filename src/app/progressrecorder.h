// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/answer.h"
#include "progress/bankfingerprints.h"
#include "progress/progressstore.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <optional>

class QWidget;

namespace lexora {

struct AppContext;

// Records the learner's answers in the progress file without ever holding up a screen: an
// answer is written once the event loop has painted what the answer showed (the green or red
// box), each in its own short transaction. A file that cannot be written is told once per run
// in the working language and the run goes on unrecorded; a damaged one is set aside under
// its date and a new one started.
class ProgressRecorder : public QObject {
    Q_OBJECT

public:
    explicit ProgressRecorder(AppContext& context);

    // Queues an answer; `parent` and `title` serve the one box that may tell of a failure.
    void record(QWidget* parent, const QString& title, const Answer& answer);
    // Writes what is queued now (the queue is also written by itself at the next turn of the event loop).
    void flush();
    bool pending() const { return !m_queue.empty(); }
    // False once a failure has stopped recording for this run.
    bool recording() const { return m_recording; }

    // The progress file, for reading; a failure to read is the reader's to handle.
    ProgressStore& store() { return m_store; }
    // The items of the banks as they are now, shared by the windows that compare them with the file.
    BankFingerprints& fingerprints() { return m_fingerprints; }

    // Tells a failure of the progress file in the working language (once per run for writes).
    QString describe(const ProgressError& error) const;
    // Sets a damaged file aside under today's date; the text that tells where it went.
    QString setAside();

private:
    struct Pending {
        QPointer<QWidget> parent;
        QString title;
        Answer answer;
    };
    void write(const Pending& pending);
    void tell(const Pending& pending, const QString& text);

    AppContext& m_ctx;
    ProgressStore m_store;
    BankFingerprints m_fingerprints;
    std::deque<Pending> m_queue;
    QTimer m_timer;
    bool m_recording = true;
};

// The first answer on the item on display, the one that counts: the item and the moment it came up.
class FirstAnswer {
public:
    void shown(const ItemRef& item, const QDateTime& at) {
        m_item = item;
        m_shownAt = at;
        m_taken = false;
    }
    void clear() { m_item.reset(); }
    // The answer to record, once per item shown; nothing for a later choice or without an item.
    std::optional<Answer> take(const QString& choice, bool right, AnswerPlace place, const QDateTime& at,
                               AnswerMode mode = AnswerMode::Chosen, const QString& typed = QString());

private:
    std::optional<ItemRef> m_item;
    QDateTime m_shownAt;
    bool m_taken = false;
};

} // namespace lexora
