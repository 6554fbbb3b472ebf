#include "screens/database/reasoneditor.h"
#include "screens/database/reasontexts.h"
#include "screens/database/databasescreen.h"

#include "app/accessibility.h"
#include "app/appcontext.h"
#include "app/window.h"
#include "data/itemview.h"
#include "data/storeerror.h"
#include "data/topics.h"
#include "screens/database/databasestate.h"
#include "screens/database/databasetexts.h"
#include "screens/database/fieldbinder.h"
#include "screens/database/itemexchangemenu.h"
#include "data/schema.h"
#include "screens/database/worksheetmenu.h"
#include "text/captions.h"
#include "text/messages.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <iterator>

namespace lexora {

namespace {

const QColor kWindowColour(0, 128, 128);
const QColor kFieldColour(0, 64, 64);
const QString kItemTable = QStringLiteral("test1");
constexpr int kHighestSorrend2 = 32767; // sorrend2 is a 16-bit number

// What the font dialog shows the first time it opens on a window.
FontChoice initialFontDialog() {
    FontChoice choice;
    choice.family = QStringLiteral("MS Sans Serif");
    choice.pointSize = 8.25;
    choice.bold = true;
    return choice;
}

// A right-aligned caption longer than its label ("Megoldás:") grows to the left, where the window
// has room, instead of losing its end.
void fitLeftwards(QLabel* label) {
    const int needed = label->sizeHint().width();
    QRect area = label->geometry();
    if (needed > area.width()) {
        area.setLeft(area.right() + 1 - needed);
        label->setGeometry(area);
    }
}

// Messages are told in the working language; before it is chosen, in English.
int workingLanguage(AppContext& context) {
    return context.globals.langcode.value_or(LangCode::English);
}

} // namespace

DatabaseScreen::DatabaseScreen(AppContext& context)
    : Screen(context, ScreenId::Database, QStringLiteral("Form1")), m_data(std::make_unique<LiveView>()),
      m_binder(new FieldBinder(this)), m_fontDialog(initialFontDialog()) {
    m_binder->setView(m_data.get());
    // Only the window's own background: boxes and buttons keep their usual white and grey.
    QPalette palette = canvas()->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    canvas()->setPalette(palette);
    canvas()->setAutoFillBackground(true);
    buildFields();
    buildLabels();
    buildButtons();
    buildMenus();
    setTabOrder();
    setClientSizeTwips(9645, 6030);
}

DatabaseScreen::~DatabaseScreen() = default;

DatabaseState& DatabaseScreen::state() {
    return ctx().screens.state<DatabaseState>();
}

// ---------------------------------------------------------------- controls

QLineEdit* DatabaseScreen::makeLineBox(const QString& name, const QString& field, int left, int top, int width,
                                       int height) {
    auto* box = new QLineEdit(canvas());
    box->setObjectName(name);
    placeTwips(box, left, top, width, height);
    box->setFont(uiFont(FontFace::Serif, 12));
    box->hide();
    m_binder->bind(box, field);
    return box;
}

void DatabaseScreen::buildFields() {
    auto* text1 = makeLineBox("Text1", "Sorszam", 120, 960, 735, 420);
    m_text2 = makeLineBox("Text2", "szint", 1560, 240, 615, 480);
    auto* text10 = makeLineBox("Text10", "felelet2", 3000, 3000, 495, 420);
    for (QLineEdit* box : {text1, m_text2, text10}) {
        setColors(box, kFieldColour, Qt::white);
        box->setFont(uiFont(FontFace::Sans, 12));
        box->setAlignment(Qt::AlignCenter);
    }
    text1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_text2->setFont(uiFont(FontFace::Sans, 13.5));

    m_text3 = new QPlainTextEdit(canvas());
    m_text3->setObjectName("Text3");
    placeTwips(m_text3, 1080, 960, 8415, 735);
    m_text3->setFont(uiFont(FontFace::Serif, 12));
    m_text3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text3->setTabChangesFocus(true);
    m_text3->hide();
    m_binder->bind(m_text3, "mondat");

    auto* text4 = makeLineBox("Text4", "a", 600, 1920, 4095, 420);
    auto* text5 = makeLineBox("Text5", "b", 600, 2400, 4095, 420);
    auto* text6 = makeLineBox("Text6", "c", 5280, 1920, 4215, 420);
    auto* text7 = makeLineBox("Text7", "d", 5280, 2400, 4215, 420);
    auto* text8 = makeLineBox("Text8", "felelet1", 3600, 3000, 4455, 420);
    m_boxes = {text1, m_text2, m_text3, text4, text5, text6, text7, text10, text8};
    // The boxes have no captions of their own: screen readers name them by the field they edit.
    markSpoken(text1, Spoken::RecordNumber);
    markSpoken(m_text2, Spoken::Level);
    markSpoken(m_text3, Spoken::Sentence);
    markSpoken(text4, Spoken::Answer, 'A');
    markSpoken(text5, Spoken::Answer, 'B');
    markSpoken(text6, Spoken::Answer, 'C');
    markSpoken(text7, Spoken::Answer, 'D');
    markSpoken(text10, Spoken::RightLetter);
    markSpoken(text8, Spoken::Solution);
    // An item without a number can never be drawn, one without a level never chosen by level.
    m_binder->requireValue("Sorszam");
    m_binder->requireValue("szint");
}

QLabel* DatabaseScreen::makeLabel(const QString& name, int left, int top, int width, int height) {
    auto* label = new QLabel(canvas());
    label->setObjectName(name);
    placeTwips(label, left, top, width, height);
    label->hide();
    return label;
}

void DatabaseScreen::buildLabels() {
    m_label6 = makeLabel("Label6", 810, 240, 645, 240);
    m_label11 = makeLabel("Label11", 2820, 240, 675, 240);
    m_label5 = makeLabel("Label5", 1980, 3120, 915, 240);
    for (QLabel* label : {m_label6, m_label11, m_label5}) {
        setColors(label, kWindowColour, Qt::white);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFont(uiFont(FontFace::Sans, 9.75));
    }

    m_label10 = makeLabel("Label10", 3600, 240, 5655, 495);
    setColors(m_label10, kFieldColour, Qt::white);
    m_label10->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_label10->setAlignment(Qt::AlignCenter);
    m_label10->setFont(uiFont(FontFace::Sans, 13.5));

    m_label7 = makeLabel("Label7", 840, 1080, 255, 255);
    setColors(m_label7, kWindowColour, Qt::black);
    m_label7->setAlignment(Qt::AlignCenter);
    m_label7->setFont(uiFont(FontFace::Sans, 12));
    m_label7->setText(QStringLiteral("."));

    const int lefts[] = {120, 120, 4800, 4800};
    const int tops[] = {1920, 2400, 1920, 2400};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = makeLabel(QStringLiteral("Label%1").arg(i + 1), lefts[i], tops[i], 375, 375);
        setColors(label, kFieldColour, Qt::white);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(uiFont(FontFace::Sans, 12));
        label->setText(QString(QChar('A' + i)));
        m_letterLabels[size_t(i)] = label;
    }
}

QPushButton* DatabaseScreen::makeButton(const QString& name, int left, int top, int width, int height) {
    auto* button = new QPushButton(canvas());
    button->setObjectName(name);
    placeTwips(button, left, top, width, height);
    button->setFont(uiFont(FontFace::Sans, 9.75));
    button->hide();
    return button;
}

void DatabaseScreen::buildButtons() {
    m_command10 = makeButton("Command10", 3600, 1320, 2175, 855);
    m_command10->setFont(uiFont(FontFace::Sans, 13.5));
    m_command10->show();
    m_command6 = makeButton("Command6", 480, 3600, 2175, 495);
    m_command3 = makeButton("Command3", 480, 4080, 2175, 495);
    m_command7 = makeButton("Command7", 480, 4560, 2175, 495);
    m_command8 = makeButton("Command8", 480, 5040, 2175, 495);
    m_command1 = makeButton("Command1", 3840, 3720, 2175, 495);
    m_command5 = makeButton("Command5", 7080, 3720, 2175, 495);
    m_command11 = makeButton("Command11", 7080, 4200, 2175, 495);
    m_command4 = makeButton("Command4", 7080, 4680, 2175, 495);
    m_command2 = makeButton("Command2", 7080, 5160, 2175, 495);

    const auto on = [this](QPushButton* button, void (DatabaseScreen::*slot)()) {
        connect(button, &QPushButton::clicked, this, [this, slot] { (this->*slot)(); });
    };
    on(m_command10, &DatabaseScreen::Command10_Click);
    on(m_command6, &DatabaseScreen::Command6_Click);
    on(m_command3, &DatabaseScreen::Command3_Click);
    on(m_command7, &DatabaseScreen::Command7_Click);
    on(m_command8, &DatabaseScreen::Command8_Click);
    on(m_command1, &DatabaseScreen::Command1_Click);
    on(m_command5, &DatabaseScreen::Command5_Click);
    on(m_command11, &DatabaseScreen::Command11_Click);
    on(m_command4, &DatabaseScreen::Command4_Click);
    on(m_command2, &DatabaseScreen::Command2_Click);
}

void DatabaseScreen::buildMenus() {
    const auto menu = [this](QMenu* parent, const QString& name) {
        return nameMenu(parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString()), name);
    };
    const auto entry = [](QMenu* parent, const QString& name) { return addEntry(parent, name); };

    m_mnuTasks = menu(nullptr, "mnuTasks");
    m_mnuLexora = entry(m_mnuTasks, "mnuLexora");
    setCaption(m_mnuLexora, QStringLiteral("&Lexora"));
    m_mnuDatabase = entry(m_mnuTasks, "mnuDatabase");
    m_mnuDatabase->setEnabled(false); // this is the Database screen
    m_mnuPractice = entry(m_mnuTasks, "mnuPractice");
    m_mnuTest = entry(m_mnuTasks, "mnuTest");
    connect(m_mnuLexora, &QAction::triggered, this, &DatabaseScreen::mnuLexora_Click);
    connect(m_mnuPractice, &QAction::triggered, this, &DatabaseScreen::mnuPractice_Click);
    connect(m_mnuTest, &QAction::triggered, this, &DatabaseScreen::mnuTest_Click);

    m_mnuOptions = menu(nullptr, "mnuOptions");
    m_mnuFonts = entry(m_mnuOptions, "mnuFonts");
    connect(m_mnuFonts, &QAction::triggered, this, &DatabaseScreen::mnuFonts_Click);
    m_exchange = std::make_unique<ItemExchangeMenu>(ctx(), this, m_mnuOptions);
    connect(m_exchange->exportEntry(), &QAction::triggered, this, &DatabaseScreen::mnuExportItems_Click);
    connect(m_exchange->importEntry(), &QAction::triggered, this, &DatabaseScreen::mnuImportItems_Click);
    m_mnuWorksheet = entry(m_mnuOptions, "mnuWorksheet");
    connect(m_mnuWorksheet, &QAction::triggered, this, &DatabaseScreen::mnuWorksheet_Click);
    m_mnuReason = entry(m_mnuOptions, "mnuReason");
    connect(m_mnuReason, &QAction::triggered, this, &DatabaseScreen::mnuReason_Click);
    m_mnuUndoDelete = entry(m_mnuOptions, "mnuUndoDelete");
    m_mnuUndoDelete->setShortcut(QKeySequence::Undo);
    connect(m_mnuUndoDelete, &QAction::triggered, this, &DatabaseScreen::mnuUndoDelete_Click);

    m_mnuTopic = menu(nullptr, "mnuTopic");
    for (int n = 0; n < TopicCatalogue::count; ++n) {
        QAction* item = entry(m_mnuTopic, QStringLiteral("mnuTopicItem_%1").arg(n));
        item->setCheckable(true);
        // Only the first entry carries a mark, from the start; tagging never moves it.
        item->setChecked(n == 0);
        connect(item, &QAction::triggered, this, [this, n, item] {
            item->setChecked(n == 0);
            mnuTopicItem_Click(n);
        });
        m_mnuTopicItem[size_t(n)] = item;
    }
}

void DatabaseScreen::setTabOrder() {
    QWidget* const order[] = {m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3],  m_boxes[4], m_boxes[5], m_boxes[6],
                              m_boxes[7], m_boxes[8], m_command1, m_command4,  m_command5, m_command7, m_command2,
                              m_command3, m_command6, m_command8, m_command10, m_command11};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// ---------------------------------------------------------------- load and close

void DatabaseScreen::formLoad() {
    // The window opens even when the database cannot be read: the teacher is told why, and the
    // screen's ways out (Close, Tasks) still work.
    std::optional<QString> failure;
    try {
        m_data->setDatabaseName(ctx().globals.dbpath);
        m_data->setRecordSource(kItemTable);
        m_data->refresh();
    } catch (const StoreError& e) {
        failure = Messages::of(e, workingLanguage(ctx()));
    }
    center(this);
    keepOnTop(this);
    handler([this] { language(); });
    m_binder->show();
    if (failure)
        ctx().platform.message(this, *failure, state().titleword, MessageIcon::Stop);
}

void DatabaseScreen::formUnload() {
    // Closing writes what is still pending in the boxes. Close and the Tasks entries have saved
    // already (and stayed open if that failed); this catches any other way the window goes.
    try {
        saveItem();
    } catch (const StoreError& e) {
        // saveItem has told a value the item cannot take; a fault of the file is told here, as no
        // handler runs around this.
        if (e.isFileFault())
            tell(e);
    } catch (const std::exception&) {
    }
}

void DatabaseScreen::closeBoxPressed() {
    Command2_Click();
}

// ---------------------------------------------------------------- routines

void DatabaseScreen::language() {
    const auto set = [this](QObject* control, int key) { setCaption(control, ctx().caption(key)); };
    set(m_command10, 2);
    set(m_command6, 7);
    set(m_command3, 8);
    set(m_command7, 9);
    set(m_command8, 10);
    set(m_command1, 12);
    set(m_command5, 13);
    set(m_command11, 14);
    set(m_command4, 15);
    set(m_command2, 4);
    set(m_label6, 61);
    set(m_label11, 62);
    set(m_label5, 63);
    for (QLabel* label : {m_label6, m_label11, m_label5})
        fitLeftwards(label);
    set(m_mnuTasks, 26);
    set(m_mnuDatabase, 33);
    set(m_mnuPractice, 31);
    set(m_mnuTest, 32);
    set(m_mnuOptions, 39);
    set(m_mnuFonts, 40);
    m_exchange->language();
    set(m_mnuTopic, 41);
    const int lang = ctx().globals.langcode.value_or(LangCode::English);
    setCaption(m_mnuWorksheet, databasetext::printWorksheet.in(lang));
    setCaption(m_mnuUndoDelete, databasetext::undoDelete.in(lang));
    setCaption(m_mnuReason, reasontext::menuEntry.in(lang));
    for (int n = 0; n < TopicCatalogue::count; ++n)
        set(m_mnuTopicItem[size_t(n)], TopicCatalogue::topic(n).captionKey);

    QString& titleword = state().titleword;
    switch (ctx().globals.langcode.value_or(0)) {
    case LangCode::English:
        titleword = QStringLiteral("Database");
        break;
    case LangCode::Hungarian:
        titleword = QStringLiteral("Adatbázis");
        break;
    case LangCode::Spanish:
        titleword = QStringLiteral("Base de datos");
        break;
    case LangCode::French:
        titleword = QStringLiteral("Base de données");
        break;
    default:
        break;
    }
    setCaption(this, titleword + QStringLiteral("  ----  ") + CaptionCatalogue::caption(65, LangCode::English));
    nameControls(this, ctx().globals.langcode.value_or(LangCode::English));
}

void DatabaseScreen::data() {
    const QString kulcs1 = m_data->text("kulcs1"); // no current item: the label keeps its text
    const QString kulcs2 = m_data->text("kulcs2");
    const std::optional<int> key = TopicCatalogue::nameKey(kulcs1, kulcs2);
    setCaption(m_label10, key ? ctx().caption(*key) : QString());
}

// ---------------------------------------------------------------- saving

// Writes the changed boxes, and a new item that is being added, into the table. A failure is shown to
// the teacher (which field, and why) and ends the operation: the boxes keep what was typed and the
// view stays on the item, so it can be corrected and saved again.
void DatabaseScreen::saveItem() {
    try {
        if (!m_binder->modified() && m_data->editMode() == LiveView::EditMode::None)
            return;
        // The file is opened afresh for the write, so that one mended, unlocked or put back since
        // a fault takes the item.
        m_data->reconnect();
        const ItemContent before =
            m_data->editMode() == LiveView::EditMode::None ? ReasonEditor::before(*m_data) : ItemContent{};
        m_binder->store();
        switch (m_data->editMode()) {
        case LiveView::EditMode::None:
            return;
        case LiveView::EditMode::Edit:
            m_data->update();
            m_binder->markSaved();
            // A teacher's reason goes on with the item they edit; a shipped one fits only the old content.
            ReasonEditor::after(*m_data, before);
            return;
        case LiveView::EditMode::Add:
            saveNewItem();
            // The view is back on the item it stood on before the new one was added.
            m_binder->show();
            return;
        }
    } catch (const StoreError& e) {
        // A fault of the file is told by the handler trap around every handler.
        if (!e.isFileFault())
            tell(e);
        throw;
    }
}

// Saves the row being added. Its random sorrend2 may already belong to another item, which only shows
// when the row is written: then the next free value above it is taken, as far as sorrend2 goes.
void DatabaseScreen::saveNewItem() {
    for (;;) {
        try {
            m_data->update();
            return;
        } catch (const StoreError& e) {
            const std::optional<int> next = freeSorrend2After(e);
            if (!next)
                throw;
            m_data->setField("sorrend2", *next);
        }
    }
}

// The lowest sorrend2 above the new row's own that no item has, when the failed write `failure` is
// a taken sorrend2; nothing when it is another failure or no value is left.
std::optional<int> DatabaseScreen::freeSorrend2After(const StoreError& failure) {
    if (failure.kind() != StoreError::Kind::DuplicateKey)
        return std::nullopt;
    const QVariant own = m_data->field("sorrend2");
    if (own.isNull())
        return std::nullopt;
    auto table = tableView();
    table->setIndex("sorrend2");
    table->seek(own);
    if (table->noMatch())
        return std::nullopt; // the taken value is another field's (sorszam)
    for (int r = own.toInt() + 1; r <= kHighestSorrend2; ++r) {
        table->seek(r);
        if (table->noMatch())
            return r;
    }
    return std::nullopt;
}

// Saves a new item that New left pending; true when one was saved just now.
bool DatabaseScreen::savePendingNewItem() {
    const bool adding = m_data->editMode() == LiveView::EditMode::Add;
    saveItem();
    state().newpending = 0;
    return adding;
}

void DatabaseScreen::tell(const StoreError& error) {
    ctx().platform.message(this, Messages::of(error, workingLanguage(ctx())), state().titleword,
                           MessageIcon::Exclamation);
}

// ---------------------------------------------------------------- browsing

void DatabaseScreen::Command10_Click() {
    handler([this] {
        // A file that could not be opened with the window is tried again.
        if (!m_data->isOpen()) {
            m_data->refresh();
            m_binder->show();
        }
        for (QLabel* label : m_letterLabels)
            label->show();
        for (QLabel* label : {m_label5, m_label6, m_label7, m_label10, m_label11})
            label->show();
        for (QWidget* box : m_boxes)
            box->show();
        for (QPushButton* button :
             {m_command1, m_command2, m_command3, m_command4, m_command5, m_command6, m_command7, m_command8})
            button->show();
        m_command10->hide();
        m_command11->show();
        data();
    });
}

void DatabaseScreen::move(Move where) {
    handler([this, where] {
        // The item on display is written before the cursor leaves it; if that fails the cursor stays.
        saveItem();
        state().newpending = 0;
        switch (where) {
        case Move::First:
            if (!m_data->bof())
                m_data->moveFirst();
            break;
        case Move::Previous:
            if (!m_data->bof())
                m_data->movePrevious();
            break;
        case Move::Next:
            if (!m_data->eof())
                m_data->moveNext();
            break;
        case Move::Last:
            if (!m_data->eof())
                m_data->moveLast();
            break;
        }
        m_binder->show();
        data();
    });
}

void DatabaseScreen::Command6_Click() {
    move(Move::First);
}

void DatabaseScreen::Command3_Click() {
    move(Move::Previous);
}

void DatabaseScreen::Command7_Click() {
    move(Move::Next);
}

void DatabaseScreen::Command8_Click() {
    move(Move::Last);
}

// ---------------------------------------------------------------- finding

void DatabaseScreen::Command5_Click() {
    handler([this] {
        savePendingNewItem();
        DatabaseState& s = state();
        s.searchcrit = ctx().platform.input(this, s.titleword, ctx().caption(86), QStringLiteral("sorszam = 1"));
        // Our own parser reads the criterion; one it cannot read ends the search here, silently.
        m_data->findFirst(s.searchcrit);
        searched(!m_data->noMatch());
        data();
    });
}

void DatabaseScreen::Command11_Click() {
    handler([this] {
        savePendingNewItem();
        m_data->findNext(state().searchcrit);
        searched(!m_data->noMatch());
        if (!m_data->noMatch())
            data();
    });
}

void DatabaseScreen::searched(bool found) {
    m_binder->show();
    if (found)
        return;
    ctx().platform.beep();
    ctx().platform.message(this, ctx().caption(85), state().titleword, MessageIcon::Exclamation);
}

// ---------------------------------------------------------------- changing items

std::unique_ptr<LiveView> DatabaseScreen::tableView() {
    if (!m_data->isOpen())
        throw StoreError(StoreError::Kind::NotFound, StoreError::Reason::DatabaseNotOpen, {ctx().globals.dbpath});
    return LiveView::open(m_data->database(), kItemTable);
}

int DatabaseScreen::highestNumber() {
    auto table = tableView();
    table->setIndex("sorszam");
    if (table->count() == 0)
        return 0; // the first item of an empty table is number 1
    table->moveLast();
    return table->field("sorszam").toInt();
}

// The number New proposes: one above the highest, or, when the highest is already the largest a
// record number can be, the lowest number no item has. Nothing when every number is taken.
std::optional<int> DatabaseScreen::newItemNumber() {
    const int highest = highestNumber();
    if (highest < kIntegerMax)
        return highest + 1;
    // Only the numbers are read, in ascending order; the first gap from 1 upwards is free.
    const auto byNumber = SnapshotView::open(m_data->database(), kItemTable, QStringLiteral("sorszam"));
    int lowestFree = 1;
    for (byNumber->moveFirst(); !byNumber->eof() && lowestFree <= kIntegerMax; byNumber->moveNext()) {
        const QVariant number = byNumber->field(QStringLiteral("sorszam"));
        if (number.isNull() || number.toInt() < lowestFree)
            continue;
        if (number.toInt() > lowestFree)
            break;
        ++lowestFree;
    }
    if (lowestFree > kIntegerMax)
        return std::nullopt;
    return lowestFree;
}

void DatabaseScreen::Command1_Click() {
    handler([this] {
        // Leaving the item on display writes it, and a new item still pending, first.
        saveItem();
        const std::optional<int> number = newItemNumber();
        if (!number) {
            const QString highest = QString::number(kIntegerMax);
            ctx().platform.message(this,
                                   Messages::text(Messages::Id::NoFreeRecordNumber, workingLanguage(ctx()), {highest}),
                                   state().titleword, MessageIcon::Exclamation);
            return;
        }
        if (!m_data->bof())
            m_data->movePrevious();
        try {
            m_data->refresh();
            // A file that cannot take the new item refuses it now, before the teacher types it in.
            m_data->requireWritable();
        } catch (const StoreError&) {
            m_binder->show(); // the boxes show what the view now holds, if anything
            throw;
        }
        state().newpending = 1;
        m_data->addNew();
        m_binder->show();
        m_binder->setText("sorszam", QString::number(*number));
        m_text2->setFocus();
        ctx().platform.reseedRandom();
        const int r = int(ctx().platform.random() * 3000 + 1);
        // A value another item holds shows only when the row is saved, which then takes the next free one.
        m_data->setField("sorrend2", r);
    });
}

void DatabaseScreen::Command4_Click() {
    handler([this] {
        if (m_data->editMode() == LiveView::EditMode::Add) {
            // The item on display has not been stored yet: deleting it means not storing it.
            m_data->cancelUpdate();
            state().newpending = 0;
            if (m_data->count() > 0)
                m_data->moveLast();
            m_binder->show();
            return;
        }
        state().newpending = 0;
        if (!m_data->hasCurrent())
            return;
        // Opened afresh for the write, as saveItem does; a fault of the file is told by the handler trap.
        m_data->reconnect();
        DeleteUndo::Fields deleted = DeleteUndo::fieldsOf(*m_data);
        m_data->deleteCurrent();
        m_deleted.remember(std::move(deleted));
        // The item has gone, and with it whatever was typed into its boxes.
        m_binder->markSaved();
        if (!m_data->bof())
            m_data->movePrevious();
        else if (!m_data->eof())
            m_data->moveNext();
        m_binder->show();
    });
}

void DatabaseScreen::mnuTopicItem_Click(int index) {
    handler([this, index] {
        if (state().newpending == 1 && savePendingNewItem())
            m_data->moveLast(); // the item just added
        const Topic& topic = TopicCatalogue::topic(index);
        if (m_data->editMode() == LiveView::EditMode::None)
            m_data->edit();
        m_data->setField("kulcs1", topic.kulcs1);
        if (topic.kulcs2)
            m_data->setField("kulcs2", *topic.kulcs2);
        saveItem(); // with whatever was typed into the item's boxes
        m_binder->show();
        data();
    });
}

// Brings back the item deleted last; it becomes the item on display.
void DatabaseScreen::mnuUndoDelete_Click() {
    handler([this] {
        const int lang = ctx().globals.langcode.value_or(LangCode::English);
        if (m_deleted.empty()) {
            ctx().platform.message(this, databasetext::nothingToUndo.in(lang), state().titleword,
                                   MessageIcon::Information);
            return;
        }
        // What is typed into the item on display, and a new item still pending, is written first.
        savePendingNewItem();
        m_data->reconnect();
        const QStringList notices = m_deleted.restoreLast(*m_data, lang);
        m_binder->show();
        data();
        if (!notices.isEmpty())
            ctx().platform.message(this, notices.join(QLatin1Char('\n')), state().titleword,
                                   MessageIcon::Information);
    });
}

void DatabaseScreen::mnuReason_Click() {
    handler([this] {
        // The item is saved first, so the reason belongs to what the boxes show.
        saveItem();
        state().newpending = 0;
        m_data->reconnect();
        ReasonEditor(ctx(), this).edit(*m_data, state().titleword);
    });
}

void DatabaseScreen::mnuWorksheet_Click() {
    handler([this] {
        // The sheet is read from the file, so what is typed into the item on display is written first.
        savePendingNewItem();
        const bool onItem = m_data->hasCurrent();
        printWorksheet(ctx(), this, state().titleword, onItem ? m_data->text("kulcs1") : QString(),
                       onItem ? m_data->text("kulcs2") : QString());
    });
}

// ---------------------------------------------------------------- fonts

void DatabaseScreen::mnuFonts_Click() {
    handler([this] {
        QWidget* focused = focusWidget();
        if (std::optional<FontChoice> chosen = ctx().platform.chooseFont(this, m_fontDialog))
            m_fontDialog = *chosen;
        // Confirmed or cancelled, the dialog's values go to the focused control.
        if (focused && focused->window() == this)
            focused->setFont(fontFor(m_fontDialog));
    });
}

// ---------------------------------------------------------------- question files

void DatabaseScreen::mnuExportItems_Click() {
    handler([this] {
        savePendingNewItem(); // the file gets what the boxes show
        m_exchange->exportItems(state().titleword);
    });
}

void DatabaseScreen::mnuImportItems_Click() {
    handler([this] {
        savePendingNewItem();
        if (!m_exchange->importItems(state().titleword))
            return;
        m_data->refresh();
        m_binder->show();
        data();
    });
}

// ---------------------------------------------------------------- leaving

// Shows another screen and closes this one. What is pending in the boxes is saved first; when that
// fails the teacher has been told, and the window stays open on the item.
void DatabaseScreen::leaveFor(ScreenId target) {
    handler([this, target] {
        try {
            saveItem();
        } catch (const StoreError& e) {
            // When the file itself refuses the item, the window stays so that the teacher can try
            // again once it is mended; asked to leave again, it goes without the item.
            if (!e.isFileFault() || !m_leaveRefused) {
                m_leaveRefused = e.isFileFault();
                throw;
            }
            m_data->cancelUpdate();
            m_binder->markSaved();
        }
        if (target == ScreenId::Test)
            ctx().screens.hide(ScreenId::FailedItems);
        ctx().screens.show(target);
        ctx().screens.unload(ScreenId::Database);
    });
}

void DatabaseScreen::Command2_Click() {
    leaveFor(ScreenId::Hub);
}

void DatabaseScreen::mnuLexora_Click() {
    leaveFor(ScreenId::Hub);
}

void DatabaseScreen::mnuPractice_Click() {
    leaveFor(ScreenId::Practice);
}

void DatabaseScreen::mnuTest_Click() {
    leaveFor(ScreenId::Test);
}

} // namespace lexora
