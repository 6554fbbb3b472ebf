// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded monkey: thousands of random actions across every screen, from the real start-up
// on, on a temporary copy of an item bank. After every action nothing may have crashed or
// hung, every box shown must be one of the program's own messages, Qt must not have warned,
// and the learner must still have a window to go on with; at every restart and at the end
// the database must be whole.
//
// A failure prints the last actions with the seed, so it can be replayed:
//   LEXORA_MONKEY_SEED=<seed> LEXORA_MONKEY_STEPS=<steps> test_monkey <function>:<row>
// LEXORA_MONKEY_RUNS=<n> runs n seeds from LEXORA_MONKEY_SEED on, for longer local runs, and
// LEXORA_MONKEY_HANG_SECONDS changes how long one action may take before it counts as a hang.

#include "app/clickablelabel.h"
#include "app/screen.h"
#include "data/itembank.h"
#include "data/sqlitedb.h"
#include "screens/database/databasetexts.h"
#include "screens/database/itemchecktexts.h"
#include "screens/database/reasontexts.h"
#include "screens/progress/progresstexts.h"
#include "text/captions.h"
#include "text/messages.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <map>
#include <mutex>
#include <random>
#include <thread>
#include <utility>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define LEXORA_MONKEY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/common_interface_defs.h>
#define LEXORA_MONKEY_SANITIZED 1
#endif
#endif

using namespace lexora;
using namespace lexora::testing;

namespace {

// ---------------------------------------------------------------- the action log

// The last actions, kept in fixed buffers so that a crash or hang handler can print them
// without allocating.
class ActionLog {
public:
    static constexpr unsigned kLines = 400;
    static constexpr size_t kWidth = 240;

    void clear() { m_count = 0; }
    void setHeader(const QString& header) { copy(m_header, header.toUtf8()); }

    void add(const QString& line) {
        const unsigned at = m_count.load();
        copy(m_lines[at % kLines], line.toUtf8());
        m_count = at + 1;
    }

    QString text() const {
        QString out = QString::fromUtf8(m_header);
        const unsigned count = m_count.load();
        for (unsigned i = count > kLines ? count - kLines : 0; i < count; ++i)
            out += QString::fromUtf8(m_lines[i % kLines]);
        return out;
    }

    // Async-signal-safe: only write(2).
    void write(int fd) const {
        put(fd, m_header);
        const unsigned count = m_count.load();
        for (unsigned i = count > kLines ? count - kLines : 0; i < count; ++i)
            put(fd, m_lines[i % kLines]);
    }

private:
    static void copy(char* slot, const QByteArray& bytes) {
        const size_t n = std::min(size_t(bytes.size()), kWidth - 2);
        std::memcpy(slot, bytes.constData(), n);
        slot[n] = '\n';
        slot[n + 1] = '\0';
    }
    static void put(int fd, const char* text) {
        const ssize_t ignored = ::write(fd, text, std::strlen(text));
        (void)ignored;
    }

    char m_header[kWidth] = {};
    char m_lines[kLines][kWidth] = {};
    std::atomic<unsigned> m_count{0};
};

ActionLog& actionLog() {
    static ActionLog log;
    return log;
}

std::atomic<bool> g_logPrinted{false};

void printLogOnce(const char* why) {
    if (g_logPrinted.exchange(true))
        return;
    const ssize_t ignored = ::write(STDERR_FILENO, why, std::strlen(why));
    (void)ignored;
    actionLog().write(STDERR_FILENO);
}

// ---------------------------------------------------------------- crashes and hangs

constexpr int kFatalSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
struct sigaction g_previousActions[NSIG];

void onFatalSignal(int sig) {
    printLogOnce("\n*** The program died; the monkey's last actions:\n");
    sigaction(sig, &g_previousActions[sig], nullptr);
    raise(sig);
}

#ifdef LEXORA_MONKEY_SANITIZED
void onSanitizerReport() {
    printLogOnce("\n*** The sanitizer stopped the program; the monkey's last actions:\n");
}
#endif

// Prints the action log when the process dies of a signal (a stack overflow included) or of
// a sanitizer report, for as long as it lives.
class CrashReporter {
public:
    CrashReporter() {
        static std::vector<char> altStack(size_t(256 * 1024));
        stack_t stack{};
        stack.ss_sp = altStack.data();
        stack.ss_size = altStack.size();
        sigaltstack(&stack, nullptr);
        for (int sig : kFatalSignals) {
            struct sigaction action {};
            action.sa_handler = onFatalSignal;
            action.sa_flags = SA_ONSTACK;
            sigemptyset(&action.sa_mask);
            sigaction(sig, &action, &g_previousActions[sig]);
        }
#ifdef LEXORA_MONKEY_SANITIZED
        __sanitizer_set_death_callback(onSanitizerReport);
#endif
    }
    ~CrashReporter() {
        for (int sig : kFatalSignals)
            sigaction(sig, &g_previousActions[sig], nullptr);
#ifdef LEXORA_MONKEY_SANITIZED
        __sanitizer_set_death_callback(nullptr);
#endif
    }
};

// A hang detector, not a timing check: it ends the process with the action log when one
// action has not returned after a bound far above anything an action needs.
class Watchdog {
public:
    explicit Watchdog(int seconds) : m_limit(seconds), m_thread([this] { watch(); }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void begin() { m_since = now(); }
    void end() { m_since = 0; }

private:
    static qint64 now() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void watch() {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::milliseconds(250), [this] { return m_stop; })) {
            const qint64 since = m_since;
            if (since != 0 && now() - since > qint64(m_limit) * 1000) {
                std::fprintf(stderr, "\n*** One action has not returned after %d s: the program hangs.\n", m_limit);
                printLogOnce("*** The monkey's last actions (the last one hangs):\n");
                std::abort();
            }
        }
    }

    const int m_limit;
    std::atomic<qint64> m_since{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread; // last: it starts once the rest is made
};

// ---------------------------------------------------------------- Qt's warnings

std::mutex g_warningsMutex;
QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;

// Every warning counts. None is harmless enough to let through: under the offscreen platform
// the program gives no warning at all in long runs (it asks nothing of a window system that
// only a desktop has; the registry leaves out raise() there), so any warning is news.
void recordWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
        std::lock_guard<std::mutex> lock(g_warningsMutex);
        g_warnings << text;
    }
    if (type == QtFatalMsg)
        printLogOnce("\n*** Qt stopped the program; the monkey's last actions:\n");
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

QStringList takeWarnings() {
    std::lock_guard<std::mutex> lock(g_warningsMutex);
    QStringList taken;
    taken.swap(g_warnings);
    return taken;
}

// ---------------------------------------------------------------- time stands still

bool belongsToScreen(const QObject* object) {
    for (; object; object = object->parent()) {
        if (qobject_cast<const Screen*>(object))
            return true;
    }
    return false;
}

// The screens' timers tick only when the monkey fires them. Left to the clock they would tick
// whenever an action happened to take long (under a sanitizer, on a busy machine), and a run
// could no longer be replayed from its seed.
class TimerFreeze : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::Timer && qobject_cast<QTimer*>(watched) && belongsToScreen(watched);
    }
};

// ---------------------------------------------------------------- the program's own messages

const QSet<QString>& catalogueTexts() {
    static const QSet<QString> texts = [] {
        QSet<QString> all;
        for (int id = 0; id <= 1000; ++id) {
            if (const std::optional<QString> text = CaptionCatalogue::entry(id))
                all.insert(*text);
        }
        return all;
    }();
    return texts;
}

// What the item store says, in any working language, when a teacher's typing cannot be stored.
bool isStoreRefusal(const QString& text) {
    static const std::vector<QRegularExpression> refusals = [] {
        using Reason = StoreError::Reason;
        std::vector<QRegularExpression> all;
        for (Reason reason : {Reason::NotWholeNumber, Reason::TooLong, Reason::EmptyNumber, Reason::ValueTaken}) {
            for (int lang : {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French}) {
                // The catalogue's text with every detail standing for "anything".
                const QString pattern = Messages::of(StoreError(StoreError::Kind::BadValue, reason,
                                                                {"\x01", "\x01", "\x01", "\x01"}),
                                                     lang);
                all.emplace_back("^" + QRegularExpression::escape(pattern).replace("\\\x01", ".*") + "$",
                                 QRegularExpression::DotMatchesEverythingOption);
            }
        }
        return all;
    }();
    for (const QRegularExpression& refusal : refusals)
        if (refusal.match(text).hasMatch())
            return true;
    return false;
}

// The box the handler trap shows for a failure nobody foresaw, in any working language.
bool isUnexpectedFailure(const QString& text) {
    for (int lang : {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French}) {
        const QString bare = Messages::text(Messages::Id::UnexpectedErrorBare, lang);
        if (text.startsWith(bare.left(bare.indexOf('.'))))
            return true;
    }
    return false;
}

// What Due for review says when nothing (more) is due, in any working language; the date of the
// next due item stands where the text has %1.
bool isReviewNotice(const QString& text) {
    for (int lang : {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French}) {
        if (text == ProgressTexts::kNothingDue.in(lang))
            return true;
        const QString pattern = QRegularExpression::escape(ProgressTexts::kNextDue.in(lang).arg(QChar(1)))
                                    .replace(QStringLiteral("\\\x01"), QStringLiteral(".+"))
                                    .replace(QChar(1), QStringLiteral(".+"));
        if (QRegularExpression('^' + pattern + '$').match(text).hasMatch())
            return true;
    }
    return false;
}

// ---------------------------------------------------------------- a run

enum class Mode {
    ReadOnly,  // the Database screen's writing actions (New, Delete, topics, typing) are left out
    Everything // every action
};

struct Run {
    Mode mode = Mode::Everything;
    QString bank; // "fixture" (12 items) or "en_data1" (the shipped bank)
    quint64 seed = 0;
    int steps = 0;
};

std::vector<QStringList> bankItems(const QString& bank) {
    if (bank == QLatin1String("fixture"))
        return fixtureBank().items;
    std::vector<BankProblem> problems;
    ItemBank items = ItemBank::readText(QStringLiteral(LEXORA_ITEMS_DIR "/") + bank + QStringLiteral(".tsv"), problems);
    if (!problems.empty() || items.items.empty())
        qFatal("The item bank %s cannot be read", qPrintable(bank));
    return items.items;
}

enum Column { Sorszam, Sorrend, Sorrend2 };

constexpr ScreenId kScreenIds[] = {ScreenId::Lang,     ScreenId::Hatter, ScreenId::Hub,
                                   ScreenId::Practice, ScreenId::Test,   ScreenId::FailedItems,
                                   ScreenId::Database, ScreenId::Help,   ScreenId::About,
                                   ScreenId::Grammar,  ScreenId::Progress};

QString nameOf(const QObject* object) {
    if (auto* widget = qobject_cast<const QWidget*>(object); widget && !widget->isWindow())
        return widget->window()->objectName() + '/' + widget->objectName();
    if (auto* action = qobject_cast<const QAction*>(object)) {
        for (QObject* p = action->parent(); p; p = p->parent()) {
            if (auto* screen = qobject_cast<Screen*>(p))
                return screen->objectName() + '/' + action->objectName();
        }
    }
    if (!qobject_cast<const QWidget*>(object) && object->parent())
        return nameOf(object->parent()) + '/' + object->objectName();
    return object->objectName();
}

class Monkey;

// The platform of a monkey run: boxes are answered by the monkey, draws come from its generator.
class MonkeyPlatform : public ScriptedPlatform {
public:
    explicit MonkeyPlatform(Monkey& monkey) : m_monkey(monkey) {}
    void message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt, const QString& defaultText) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& current) override;
    double random() override;
    // Questions and file boxes are cancelled: the monkey never writes files or replaces items.
    bool confirm(QWidget*, const QString& text, const QString& title) override {
        questions.push_back({title, text, {}});
        return false;
    }
    std::optional<int> chooseOne(QWidget*, const QString& title, const QString& prompt,
                                 const QStringList& choices) override {
        questions.push_back({title, prompt, choices});
        return std::nullopt;
    }
    QString openFileName(QWidget*, const QString& title, const QString& filter) override {
        fileBoxes.push_back({title, filter, QString(), false});
        return QString();
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter, const QString& suggested) override {
        fileBoxes.push_back({title, filter, suggested, true});
        return QString();
    }
    std::optional<WorksheetDialogAnswer> chooseWorksheet(QWidget*, const WorksheetDialogSetup& setup) override {
        worksheetDialogs.push_back(setup);
        return std::nullopt;
    }
    std::optional<ReasonDialogAnswer> editReason(QWidget*, const ReasonDialogSetup& setup) override {
        reasonDialogs.push_back(setup);
        return std::nullopt;
    }
    bool print(QWidget*, const QString& title, const std::function<void(QPagedPaintDevice&)>&) override {
        printTitles << title;
        return false;
    }

private:
    Monkey& m_monkey;
};

class Monkey {
public:
    Monkey(ProgramFixture& fixture, const Run& run, std::vector<QStringList> itemsBefore)
        : f(fixture), m_run(run), m_rng(run.seed), m_itemsBefore(std::move(itemsBefore)) {}

    // Runs the steps; an empty text when every check held, else what went wrong.
    QString go() {
        startProgram();
        for (m_step = 1; m_step <= m_run.steps && m_failure.isEmpty(); ++m_step)
            step();
        if (m_failure.isEmpty())
            checkDatabase();
        if (m_failure.isEmpty() && m_run.steps >= 1000)
            checkReach();
        return m_failure;
    }

    QString summary() const {
        QStringList parts;
        for (const auto& [what, count] : m_tally)
            parts << QStringLiteral("%1 %2").arg(what).arg(count);
        QStringList messages;
        for (const auto& [text, count] : m_messages)
            messages << QStringLiteral("%1x \"%2\"").arg(count).arg(text);
        QStringList screens;
        for (auto it = m_reached.cbegin(); it != m_reached.cend(); ++it)
            screens << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        return QStringLiteral("%1 restarts; %2\n  actions on: %3\n  messages: %4")
            .arg(m_restarts)
            .arg(parts.join(QStringLiteral(", ")), screens.join(QStringLiteral(", ")),
                 messages.join(QStringLiteral("; ")));
    }

    // ------------------------------------------------------------ the platform's side

    void messageBox(const QString& text, const QString& title) {
        ++m_messages[QString(text).replace('\n', ' ').left(50)];
        log(QStringLiteral("  message \"%1\"").arg(QString(text).replace('\n', ' ').left(90)));
        if (isUnexpectedFailure(text))
            fail(QStringLiteral("The handler trap caught a failure: %1").arg(text));
        else if (!isOwnMessage(text, title))
            fail(QStringLiteral("A message that is not one of the program's: \"%1\" (title \"%2\")").arg(text, title));
        whileBoxIsOpen();
    }

    QString inputBox(const QString& defaultText) {
        const QString answer = criterionAnswer(defaultText);
        log(QStringLiteral("  input box answered \"%1\"%2")
                .arg(answer.left(60))
                .arg(answer.size() > 60 ? QStringLiteral("... (%1 characters)").arg(answer.size()) : QString()));
        whileBoxIsOpen();
        return answer;
    }

    std::optional<FontChoice> fontDialog() {
        std::optional<FontChoice> answer;
        if (!chance(0.25)) {
            static const QStringList designFaces{"MS Sans Serif", "Times New Roman", "Arial"};
            const QStringList installed = QFontDatabase::families();
            FontChoice choice;
            choice.family =
                installed.isEmpty() || chance(0.5) ? designFaces[below(3)] : installed[below(int(installed.size()))];
            static const double sizes[] = {6, 8, 8.25, 9.75, 12, 13.5, 18, 26, 48, 72, 200};
            choice.pointSize = sizes[below(int(std::size(sizes)))];
            choice.bold = chance(0.5);
            choice.italic = chance(0.3);
            choice.underline = chance(0.2);
            choice.strikeOut = chance(0.1);
            answer = choice;
        }
        log(answer ? QStringLiteral("  font dialog answered %1 %2").arg(answer->family).arg(answer->pointSize)
                   : QStringLiteral("  font dialog cancelled"));
        whileBoxIsOpen();
        return answer;
    }

    double draw() {
        const int kind = below(100);
        if (kind < 3)
            return 0.0;
        if (kind < 6)
            return std::nextafter(1.0, 0.0);
        return unit();
    }

private:
    // ------------------------------------------------------------ the generator

    quint64 next() { return m_rng(); }
    int below(int n) { return n <= 1 ? 0 : int(next() % quint64(n)); }
    double unit() { return double(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }
    template <typename T> T pick(const std::vector<T>& from) { return from[size_t(below(int(from.size())))]; }

    // ------------------------------------------------------------ running

    void log(const QString& what) {
        actionLog().add(QStringLiteral("seed %1 step %2: %3").arg(m_run.seed).arg(m_step).arg(what));
    }

    void fail(const QString& why) {
        if (m_failure.isEmpty())
            m_failure = QStringLiteral("seed %1 step %2: %3").arg(m_run.seed).arg(m_step).arg(why);
    }

    void startProgram() {
        f.restart(std::make_unique<MonkeyPlatform>(*this));
        log(QStringLiteral("start the program"));
        act([this] { f.program().start(); });
    }

    // Runs one action under the watchdog and the checks that hold after every action.
    template <typename Body> void act(Body body) {
        m_watchdog.begin();
        try {
            body();
        } catch (const std::exception& e) {
            fail(QStringLiteral("An exception escaped a handler: %1").arg(QString::fromUtf8(e.what())));
        } catch (...) {
            fail(QStringLiteral("An exception escaped a handler"));
        }
        const bool ended = f.platform().endProcessCalls > 0;
        if (!ended)
            ProgramFixture::settle();
        m_watchdog.end();

        for (const QString& warning : takeWarnings())
            fail(QStringLiteral("Qt warned: %1").arg(warning));
        if (!m_failure.isEmpty())
            return;
        if (ended) {
            // The process would end here: a fresh program starts on the same database.
            ++m_restarts;
            log(QStringLiteral("the program ends; a fresh one starts"));
            checkDatabase();
            if (m_failure.isEmpty())
                startProgram();
            return;
        }
        if (visibleScreens(false).empty())
            fail(QStringLiteral("No window is left to go on with (only the background is shown)"));
    }

    void step() {
        const std::vector<Screen*> screens = visibleScreens(true);
        std::vector<QWidget*> clicks;
        std::vector<QAction*> entries;
        std::vector<QWidget*> boxes;
        for (Screen* screen : screens) {
            collectClickables(screen, clicks);
            if (screen->menuWidget())
                collectEntries(screen->menuBar()->actions(), entries);
            if (m_run.mode == Mode::Everything)
                collectBoxes(screen, boxes);
        }
        const std::vector<QTimer*> timers = activeTimers();

        // Weights of the kinds of action; a kind with nothing to act on is left out.
        struct Kind {
            int weight;
            bool possible;
        };
        const Kind kinds[] = {
            {40, !clicks.empty()}, {14, !entries.empty()}, {16, !screens.empty()},  {8, !boxes.empty()},
            {12, !timers.empty()}, {3, !screens.empty()},  {3, screens.size() > 1},
        };
        int total = 0;
        for (const Kind& k : kinds)
            total += k.possible ? k.weight : 0;
        if (total == 0) {
            fail(QStringLiteral("Nothing is left to act on"));
            return;
        }
        int chosen = below(total);
        int kind = 0;
        for (; kind < int(std::size(kinds)); ++kind) {
            if (!kinds[kind].possible)
                continue;
            if (chosen < kinds[kind].weight)
                break;
            chosen -= kinds[kind].weight;
        }

        switch (kind) {
        case 0:
            click(pickWeighted(clicks));
            break;
        case 1:
            trigger(pick(entries));
            break;
        case 2:
            pressKey(screens);
            break;
        case 3:
            type(pick(boxes));
            break;
        case 4:
            tick(pick(timers));
            break;
        case 5:
            closeBox(pickWeighted(screens));
            break;
        default:
            activate(pick(screens));
            break;
        }
    }

    // ------------------------------------------------------------ what can be acted on

    // Ways out of a screen, and above all out of the program, are taken less often than the
    // rest, so a run spends its steps inside the screens rather than on the way to them.
    static double weight(const QWidget* target) {
        static const QSet<QString> leaving{"Spgyak/Command6", "Sptest/Command6", "Hibatst/Command6",
                                           "Form1/Command2",  "Form3/Command1",  "sobre/Command1"};
        const QString name = target->isWindow() ? target->objectName() : nameOf(target);
        if (name == QLatin1String("Lexorasp/Exi") || name == QLatin1String("Lexorasp") || name == QLatin1String("lang"))
            return 0.1;
        return leaving.contains(name) ? 0.4 : 1.0;
    }

    template <typename W> W* pickWeighted(const std::vector<W*>& from) {
        double total = 0;
        for (const W* w : from)
            total += weight(w);
        double at = unit() * total;
        for (W* w : from) {
            at -= weight(w);
            if (at < 0)
                return w;
        }
        return from.back();
    }

    // The shown screens; the background window only when `withBackground`.
    std::vector<Screen*> visibleScreens(bool withBackground) const {
        std::vector<Screen*> shown;
        for (ScreenId id : kScreenIds) {
            Screen* screen = f.screens().find(id);
            if (screen && screen->isVisible() && (withBackground || id != ScreenId::Hatter))
                shown.push_back(screen);
        }
        return shown;
    }

    static bool ownControl(const QObject* object) {
        return !object->objectName().isEmpty() && !object->objectName().startsWith(QLatin1String("qt_"));
    }

    // Whether a control writes items on the Database screen, which the read-only mode leaves alone.
    bool writesItems(const QObject* control) const {
        if (m_run.mode != Mode::ReadOnly)
            return false;
        const QString name = nameOf(control);
        return name == QLatin1String("Form1/Command1") || name == QLatin1String("Form1/Command4") ||
               name.startsWith(QLatin1String("Form1/mnuTopicItem_"));
    }

    void collectClickables(Screen* screen, std::vector<QWidget*>& out) const {
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            if (!qobject_cast<QPushButton*>(w) && !qobject_cast<QRadioButton*>(w) && !qobject_cast<ClickableLabel*>(w))
                continue;
            if (ownControl(w) && w->isVisible() && w->isEnabled() && !writesItems(w))
                out.push_back(w);
        }
    }

    void collectEntries(const QList<QAction*>& actions, std::vector<QAction*>& out) const {
        for (QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible() || !action->isEnabled())
                continue;
            if (QMenu* menu = action->menu())
                collectEntries(menu->actions(), out);
            else if (ownControl(action) && !writesItems(action))
                out.push_back(action);
        }
    }

    static void collectBoxes(Screen* screen, std::vector<QWidget*>& out) {
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            auto* line = qobject_cast<QLineEdit*>(w);
            auto* plain = qobject_cast<QPlainTextEdit*>(w);
            if ((line && !line->isReadOnly()) || (plain && !plain->isReadOnly())) {
                if (ownControl(w) && w->isVisible() && w->isEnabled())
                    out.push_back(w);
            }
        }
    }

    // Every timer of a loaded screen, shown or not, that would tick now.
    std::vector<QTimer*> activeTimers() const {
        std::vector<QTimer*> timers;
        for (ScreenId id : kScreenIds) {
            if (Screen* screen = f.screens().find(id)) {
                for (QTimer* timer : screen->findChildren<QTimer*>()) {
                    if (timer->isActive())
                        timers.push_back(timer);
                }
            }
        }
        return timers;
    }

    // ------------------------------------------------------------ the actions

    void tally(const QString& kind, const QObject* target) {
        ++m_tally[kind];
        const QWidget* window =
            qobject_cast<const QWidget*>(target) ? static_cast<const QWidget*>(target)->window() : nullptr;
        if (window)
            ++m_reached[window->objectName()];
    }

    void click(QWidget* target) {
        log(QStringLiteral("click %1").arg(nameOf(target)));
        tally(QStringLiteral("clicks"), target);
        // Now and then a button is pressed as the keyboard or an access key would press it.
        auto* button = qobject_cast<QAbstractButton*>(target);
        const bool byMouse = !button || chance(0.85);
        act([&] {
            if (byMouse)
                QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
            else
                button->click();
        });
    }

    void trigger(QAction* entry) {
        log(QStringLiteral("menu %1").arg(nameOf(entry)));
        ++m_tally[QStringLiteral("menu entries")];
        for (QObject* p = entry->parent(); p; p = p->parent()) {
            if (auto* screen = qobject_cast<Screen*>(p)) {
                ++m_reached[screen->objectName()];
                break;
            }
        }
        act([&] { entry->trigger(); });
    }

    void tick(QTimer* timer) {
        log(QStringLiteral("tick %1").arg(nameOf(timer)));
        ++m_tally[QStringLiteral("timer ticks")];
        act([&] { QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection); });
    }

    void closeBox(Screen* screen) {
        log(QStringLiteral("close box of %1").arg(screen->objectName()));
        ++m_tally[QStringLiteral("close boxes")];
        act([&] { screen->close(); });
    }

    void activate(Screen* screen) {
        log(QStringLiteral("activate %1").arg(screen->objectName()));
        ++m_tally[QStringLiteral("activations")];
        act([&] { screen->activateWindow(); });
    }

    struct Key {
        Qt::Key key;
        QString text;
        Qt::KeyboardModifiers modifiers;
    };

    Key randomKey() {
        const int kind = below(20);
        if (kind < 6) {
            const char letter = char('a' + below(4));
            return {Qt::Key(Qt::Key_A + (letter - 'a')), QString(QChar(letter)), Qt::NoModifier};
        }
        if (kind < 8) {
            const char letter = char('A' + below(4));
            return {Qt::Key(Qt::Key_A + (letter - 'A')), QString(QChar(letter)), Qt::ShiftModifier};
        }
        if (kind < 10)
            return chance(0.5) ? Key{Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier}
                               : Key{Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier};
        if (kind < 11)
            return {Qt::Key_Escape, QStringLiteral("\x1b"), Qt::NoModifier};
        if (kind < 13)
            return chance(0.8) ? Key{Qt::Key_Tab, QStringLiteral("\t"), Qt::NoModifier}
                               : Key{Qt::Key_Backtab, QString(), Qt::ShiftModifier};
        if (kind < 14)
            return {Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier};
        if (kind < 16) {
            const char letter = char('a' + below(26));
            return {Qt::Key(Qt::Key_A + (letter - 'a')), QString(QChar(letter)), Qt::NoModifier};
        }
        if (kind < 18) {
            const char digit = char('0' + below(10));
            return {Qt::Key(Qt::Key_0 + (digit - '0')), QString(QChar(digit)), Qt::NoModifier};
        }
        static const Qt::Key moves[] = {Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Left, Qt::Key_Right,
                                        Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = moves[below(int(std::size(moves)))];
        return {key, key == Qt::Key_Backspace ? QStringLiteral("\b") : QString(), Qt::NoModifier};
    }

    // Whether a key would write items in the read-only mode: one that edits a box of the
    // Database screen, or presses its New or Delete button.
    bool keyWritesItems(QWidget* target, const Key& key) const {
        if (m_run.mode != Mode::ReadOnly || target->window()->objectName() != QLatin1String("Form1"))
            return false;
        if (qobject_cast<QLineEdit*>(target) || qobject_cast<QPlainTextEdit*>(target)) {
            static const Qt::Key harmless[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down,
                                               Qt::Key_Left, Qt::Key_Right,   Qt::Key_Home,   Qt::Key_End};
            return std::find(std::begin(harmless), std::end(harmless), key.key) == std::end(harmless);
        }
        const bool presses = key.key == Qt::Key_Return || key.key == Qt::Key_Enter || key.key == Qt::Key_Space;
        return presses && writesItems(target);
    }

    static void sendKey(QWidget* target, const Key& key) {
        // Increasing time stamps, as the window system gives them: the screens tell a key that
        // travels on to a parent from a new press by them.
        static quint64 timestamp = 0;
        QPointer<QWidget> receiver(target);
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, key.text);
        press.setTimestamp(++timestamp);
        QApplication::sendEvent(receiver, &press);
        if (!receiver)
            return;
        QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, key.text);
        release.setTimestamp(++timestamp);
        QApplication::sendEvent(receiver, &release);
    }

    // A key goes where the window system would send it: to the focused control of the active
    // window, or to the window itself.
    QWidget* keyTarget(const std::vector<Screen*>& screens) {
        const auto isShown = [&](QWidget* window) {
            return std::find(screens.begin(), screens.end(), window) != screens.end();
        };
        if (QWidget* focused = QApplication::focusWidget(); focused && isShown(focused->window()))
            return focused;
        if (QWidget* active = QApplication::activeWindow(); active && isShown(active))
            return active->focusWidget() ? active->focusWidget() : active;
        Screen* screen = pick(screens);
        return screen->focusWidget() ? screen->focusWidget() : screen;
    }

    void pressKey(const std::vector<Screen*>& screens) {
        QWidget* target = keyTarget(screens);
        Key key = randomKey();
        for (int tries = 0; keyWritesItems(target, key) && tries < 20; ++tries)
            key = randomKey();
        if (keyWritesItems(target, key))
            key = {Qt::Key_Tab, QStringLiteral("\t"), Qt::NoModifier};
        log(QStringLiteral("key %1%2 to %3")
                .arg(key.modifiers & Qt::ShiftModifier ? QStringLiteral("Shift+") : QString())
                .arg(QKeySequence(key.key).toString())
                .arg(nameOf(target)));
        tally(QStringLiteral("keys"), target);
        act([&] { sendKey(target, key); });
    }

    QString typedText() {
        static const QStringList samples{"0",
                                         "1",
                                         "3",
                                         "-1",
                                         "550",
                                         "32767",
                                         "32768",
                                         "-32768",
                                         "99999",
                                         "1.5",
                                         " 12 ",
                                         "0x10",
                                         "A",
                                         "B",
                                         "C",
                                         "D",
                                         "a",
                                         "E",
                                         "AB",
                                         "It's",
                                         "\"quoted\"",
                                         "The ...... is here.",
                                         QString::fromUtf8("Előző ő ű é"),
                                         "......",
                                         "'",
                                         "%",
                                         "*",
                                         "#"};
        switch (below(5)) {
        case 0:
            return QString::number(below(700) - 50);
        case 1: {
            QString word;
            const int length = 1 + below(20);
            for (int i = 0; i < length; ++i)
                word += QChar(" abcdefghijklmnopqrstuvwxyzABCD.,'?!0123456789"[below(46)]);
            return word;
        }
        case 2:
            return QString(300 + below(200), QChar('x'));
        case 3:
            return QString();
        default:
            return samples[below(int(samples.size()))];
        }
    }

    void type(QWidget* box) {
        const bool replace = chance(0.6);
        const QString text = typedText();
        log(QStringLiteral("type %1\"%2\" into %3")
                .arg(replace ? QStringLiteral("over everything ") : QString())
                .arg(text.left(40))
                .arg(nameOf(box)));
        tally(QStringLiteral("typing"), box);
        act([&] {
            QPointer<QWidget> target(box);
            box->setFocus();
            if (replace) {
                if (auto* line = qobject_cast<QLineEdit*>(box))
                    line->selectAll();
                else
                    static_cast<QPlainTextEdit*>(box)->selectAll();
                sendKey(box, {Qt::Key_Delete, QString(), Qt::NoModifier});
            }
            for (QChar c : text) {
                if (!target)
                    return;
                const Qt::Key key = c.isLetter() && c.unicode() < 128 ? Qt::Key(c.toUpper().unicode())
                                    : c.isDigit()                     ? Qt::Key(c.unicode())
                                                                      : Qt::Key_unknown;
                sendKey(target, {key, QString(c), Qt::NoModifier});
            }
        });
    }

    // ------------------------------------------------------------ answers in boxes

    // While a box is open its event loop runs: the screens' timers may tick behind it.
    void whileBoxIsOpen() {
        if (m_boxDepth >= 2 || !chance(0.2))
            return;
        const std::vector<QTimer*> timers = activeTimers();
        if (timers.empty())
            return;
        QTimer* timer = pick(timers);
        log(QStringLiteral("  while the box is open: tick %1").arg(nameOf(timer)));
        ++m_tally[QStringLiteral("timer ticks behind a box")];
        ++m_boxDepth;
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        --m_boxDepth;
    }

    QString criterionAnswer(const QString& defaultText) {
        static const QStringList valid{"sorszam = %1",
                                       "sorrend2 > %1",
                                       "sorszam >= %1 And sorszam <= %2",
                                       "szint = %3",
                                       "kulcs1 = '%3' And kulcs2 = 'a'",
                                       "mondat Like '*the*'",
                                       "a Like 'w?s'",
                                       "Not szint = %3",
                                       "felelet2 = 'B' Or felelet2 = 'C'",
                                       "kulcs2 Is Null",
                                       "felelet1 Is Not Null",
                                       "(szint = 1 Or szint = 3) And sorszam < %2",
                                       "mondat Not Like '*......*'",
                                       "SORSZAM <> %1",
                                       "[sorszam] = %1",
                                       "mondat = \"It's\""};
        static const QStringList junk{"",
                                      "sorszam =",
                                      "= 3",
                                      "nosuchfield = 1",
                                      "sorszam = 'abc'",
                                      "sorszam = 99999999999999999999",
                                      "sorszam Like",
                                      "'unterminated",
                                      "((szint = 1)",
                                      "szint = 1)",
                                      "And",
                                      "Not",
                                      "sorszam = 1 And",
                                      "#",
                                      "*",
                                      "sorszam = 1.5",
                                      "sorszam = -0",
                                      QString::fromUtf8("ő = 1"),
                                      "sorszam = 1e5",
                                      "[sorszam = 1",
                                      "szint = 1 Or Or szint = 2",
                                      "mondat Like 5",
                                      "sorszam ! 1",
                                      "szint Is",
                                      "szint Is Not",
                                      "@@@"};
        const int kind = below(20);
        if (kind < 2)
            return QString(); // Cancel
        if (kind < 4)
            return defaultText;
        if (kind < 11)
            return QString(valid[below(int(valid.size()))])
                .replace(QLatin1String("%1"), QString::number(below(600) - 10))
                .replace(QLatin1String("%2"), QString::number(below(600)))
                .replace(QLatin1String("%3"), QString::number(1 + below(3)));
        if (kind < 15)
            return junk[below(int(junk.size()))];
        if (kind < 19) {
            QString noise;
            const int length = below(40);
            for (int i = 0; i < length; ++i)
                noise += QChar(32 + below(95));
            return noise;
        }
        // As much as the box takes (32767 characters), in shapes that nest or chain deeply.
        switch (below(4)) {
        case 0:
            return QString(16383, QChar('(')) + QStringLiteral("szint = 1") + QString(16374, QChar(')'));
        case 1:
            return QStringLiteral("Not ").repeated(8190) + QStringLiteral("szint=1");
        case 2:
            return QStringLiteral("szint = 1 Or ").repeated(2519) + QStringLiteral("szint = 2");
        default:
            return QString(32767, QChar('('));
        }
    }

    // Undo delete: nothing to bring back, or a number taken meanwhile (one line per number).
    static bool isUndoMessage(const QString& text) {
        for (int lang : {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French}) {
            if (text == databasetext::nothingToUndo.in(lang))
                return true;
            bool allNotices = true;
            for (const QString& line : text.split('\n')) {
                bool notice = false;
                for (const Translated* t : {&databasetext::numberTaken, &databasetext::placeTaken}) {
                    // The numbers stand where the text has %1 and %2.
                    QString pattern = QRegularExpression::escape(t->in(lang).arg("NUMBER", "NUMBER"));
                    pattern.replace(QLatin1String("NUMBER"), QLatin1String("-?\\d+"));
                    notice = notice || QRegularExpression('^' + pattern + '$').match(line).hasMatch();
                }
                allNotices = allNotices && notice;
            }
            if (allNotices)
                return true;
        }
        return false;
    }

    // Fill in the solution, Find text and an unreadable criterion: texts with what was typed in them.
    static bool isTeachersHelp(const QString& text) {
        using namespace itemchecktext;
        for (int lang : {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French}) {
            if (text == cannotFill.in(lang))
                return true;
            for (const Translated* t : {&textNotFound, &unreadableCriterion}) {
                const QString filled =
                    t == &textNotFound ? t->in(lang).arg("TYPED") : t->in(lang).arg("TYPED", "TYPED");
                QString pattern = QRegularExpression::escape(filled);
                pattern.replace(QLatin1String("TYPED"), QLatin1String(".*"));
                const QRegularExpression whole('^' + pattern + '$', QRegularExpression::DotMatchesEverythingOption);
                if (whole.match(text).hasMatch())
                    return true;
            }
        }
        return false;
    }

    bool isOwnMessage(const QString& text, const QString& title) const {
        if (catalogueTexts().contains(text))
            return true;
        if (isUndoMessage(text) || isReviewNotice(text) || isTeachersHelp(text))
            return true;
        // The reason dialog with no item on display.
        for (int lang : {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French})
            if (text == reasontext::noItem.in(lang))
                return true;
        // The About window's disc tells what the program is.
        if (title == QLatin1String("Mi ez?") && text.startsWith(QLatin1String("A Lexora English")))
            return true;
        // A teacher's typing the store refuses is told on the Database screen; nothing else
        // writes items, so no other screen has a refusal to tell.
        static const QStringList databaseTitles{"Database", QString::fromUtf8("Adatbázis"), "Base de datos",
                                                QString::fromUtf8("Base de données")};
        return m_run.mode == Mode::Everything && databaseTitles.contains(title) && isStoreRefusal(text);
    }

    // ------------------------------------------------------------ the database afterwards

    void checkDatabase() {
        const QString problem = databaseProblem();
        if (!problem.isEmpty())
            fail(QStringLiteral("The database is not as it should be: %1").arg(problem));
    }

    QString databaseProblem() const {
        const std::vector<QStringList> items = f.database().items().items;
        QHash<QString, bool> numbers;
        QHash<QString, bool> places;
        for (const QStringList& item : items) {
            // Empty fields may repeat, as in the unique indexes; values may not.
            if (!item[Sorszam].isEmpty() && std::exchange(numbers[item[Sorszam]], true))
                return QStringLiteral("two items have the number %1").arg(item[Sorszam]);
            if (!item[Sorrend2].isEmpty() && std::exchange(places[item[Sorrend2]], true))
                return QStringLiteral("two items have the place %1").arg(item[Sorrend2]);
        }
        const std::vector<QStringList> failed = f.database().failedRows();
        if (failed.empty() || failed.front() != QStringList({"0", "", "", "", "", "", "", ""}))
            return QStringLiteral("the failed-items table has lost its placeholder row");

        if (m_run.mode == Mode::ReadOnly) {
            if (items.size() != m_itemsBefore.size())
                return QStringLiteral("%1 items instead of %2").arg(items.size()).arg(m_itemsBefore.size());
            std::map<QString, QStringList> before;
            for (const QStringList& item : m_itemsBefore)
                before[item[Sorszam]] = item;
            for (QStringList item : items) {
                const auto it = before.find(item[Sorszam]);
                if (it == before.end())
                    return QStringLiteral("an item number %1 has appeared").arg(item[Sorszam]);
                if (item[Sorrend2].isEmpty())
                    return QStringLiteral("item %1 has lost its place").arg(item[Sorszam]);
                // Reordering gives every item a new place, and nothing else may change.
                item[Sorrend2] = it->second[Sorrend2];
                if (item != it->second)
                    return QStringLiteral("item %1 has changed: %2").arg(item[Sorszam], item.join('|'));
            }
            return QString();
        }
        auto db = SqliteDb::open(f.database().path());
        Statement check = db->prepare("PRAGMA integrity_check");
        const QString verdict = check.step() ? check.column(0).toString() : QStringLiteral("no answer");
        if (verdict != QLatin1String("ok"))
            return QStringLiteral("the integrity check says %1").arg(verdict);
        return QString();
    }

    // A monkey that never reaches a screen tests nothing there: its choices would be broken.
    void checkReach() {
        for (const char* name : {"lang", "Lexorasp", "Spgyak", "Sptest", "Form1", "sobre"}) {
            if (m_reached.value(QLatin1String(name)) == 0)
                fail(QStringLiteral("In %1 steps the monkey never acted on %2").arg(m_run.steps).arg(name));
        }
    }

    ProgramFixture& f;
    Run m_run;
    std::mt19937_64 m_rng;
    std::vector<QStringList> m_itemsBefore;
    Watchdog m_watchdog{qEnvironmentVariableIntValue("LEXORA_MONKEY_HANG_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("LEXORA_MONKEY_HANG_SECONDS")
                            : 20};
    int m_step = 0;
    int m_boxDepth = 0;
    int m_restarts = 0;
    QString m_failure;
    std::map<QString, int> m_tally;
    std::map<QString, int> m_messages;
    QMap<QString, int> m_reached;
};

void MonkeyPlatform::message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
    ScriptedPlatform::message(parent, text, title, icon);
    m_monkey.messageBox(text, title);
}

QString MonkeyPlatform::input(QWidget*, const QString& title, const QString& prompt, const QString& defaultText) {
    inputs.push_back({title, prompt, defaultText});
    return m_monkey.inputBox(defaultText);
}

std::optional<FontChoice> MonkeyPlatform::chooseFont(QWidget*, const FontChoice& current) {
    fontDialogOpenedWith.push_back(current);
    return m_monkey.fontDialog();
}

double MonkeyPlatform::random() {
    return m_monkey.draw();
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        g_previousHandler = qInstallMessageHandler(recordWarnings);
        qApp->installEventFilter(&m_freeze);
    }
    void cleanupTestCase() {
        qApp->removeEventFilter(&m_freeze);
        qInstallMessageHandler(g_previousHandler);
    }

    // The Database screen only browses and finds: the items must come out as they went in,
    // but for the places the hub's reordering gives them.
    void readOnlyRun_data() { runs(Mode::ReadOnly, {{"en_data1", 101}, {"fixture", 102}}); }
    void readOnlyRun() { monkey(); }

    // Everything, teachers' edits included: the database must stay whole.
    void everythingRun_data() { runs(Mode::Everything, {{"fixture", 201}, {"en_data1", 202}}); }
    void everythingRun() { monkey(); }

private:
    void runs(Mode mode, std::initializer_list<std::pair<const char*, quint64>> defaults) {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("steps");
        const int steps = qEnvironmentVariableIsSet("LEXORA_MONKEY_STEPS")
                              ? qEnvironmentVariableIntValue("LEXORA_MONKEY_STEPS")
                              : 2000;
        const int count = std::max(1, qEnvironmentVariableIntValue("LEXORA_MONKEY_RUNS"));
        for (const auto& [bank, seed] : defaults) {
            const quint64 first =
                qEnvironmentVariableIsSet("LEXORA_MONKEY_SEED") ? qgetenv("LEXORA_MONKEY_SEED").toULongLong() : seed;
            for (int i = 0; i < count; ++i) {
                const quint64 s = first + quint64(i);
                QTest::addRow("%s seed %llu", bank, static_cast<unsigned long long>(s))
                    << int(mode) << QString::fromLatin1(bank) << s << steps;
            }
        }
    }

    void monkey() {
        QFETCH(int, mode);
        QFETCH(QString, bank);
        QFETCH(quint64, seed);
        QFETCH(int, steps);
        const Run run{Mode(mode), bank, seed, steps};
        actionLog().clear();
        actionLog().setHeader(
            QStringLiteral("Replay: LEXORA_MONKEY_SEED=%1 LEXORA_MONKEY_STEPS=%2 test_monkey '%3:%4'\n")
                .arg(seed)
                .arg(steps)
                .arg(QString::fromLatin1(QTest::currentTestFunction()), QString::fromLatin1(QTest::currentDataTag())));
        g_logPrinted = false;

        const std::vector<QStringList> items = bankItems(bank);
        ProgramFixture f(items);
        CrashReporter reporter;
        Monkey monkey(f, run, items);
        const QString failure = monkey.go();
        qInfo().noquote()
            << QStringLiteral("%1 seed %2, %3 steps: %4").arg(bank).arg(seed).arg(steps).arg(monkey.summary());
        if (!failure.isEmpty())
            QFAIL(qPrintable(failure + QStringLiteral("\nThe monkey's last actions:\n") + actionLog().text()));
    }

    TimerFreeze m_freeze;
};

int main(int argc, char** argv) {
    // A long run may take more than the five minutes Qt Test gives a test function; the monkey's
    // own watchdog still ends a hang.
    if (qEnvironmentVariableIsSet("LEXORA_MONKEY_STEPS") && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "604800000");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestMonkey test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_monkey.moc"
