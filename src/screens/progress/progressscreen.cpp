// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/progress/progressscreen.h"

#include "app/appcontext.h"
#include "app/window.h"
#include "data/storeerror.h"
#include "data/itemstore.h"
#include "data/topics.h"
#include "screens/practice/practicestate.h"
#include "screens/progress/reviewclock.h"
#include "text/captions.h"
#include "text/messages.h"
#include "text/topictitles.h"
#include "text/translated.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace lexora {

namespace {

const Translated kTitle{"My progress", "Haladásom", "Mi progreso", "Ma progression"};
const Translated kTopicsTab{"&Topics", "&Témák", "&Temas", "&Sujets"};
const Translated kDaysTab{"&Days", "&Napok", "&Días", "&Jours"};
const Translated kTopic{"Topic", "Téma", "Tema", "Sujet"};
const Translated kRightRecent{"Right, 30 days", "Helyes, 30 nap", "Aciertos, 30 días", "Justes, 30 jours"};
const Translated kAnsweredRecent{"Answered, 30 days", "Válaszok, 30 nap", "Respuestas, 30 días", "Réponses, 30 jours"};
const Translated kRightAll{"Right, all", "Helyes, összesen", "Aciertos, total", "Justes, total"};
const Translated kAnsweredAll{"Answered, all", "Válaszok, összesen", "Respuestas, total", "Réponses, total"};
const Translated kDay{"Day", "Nap", "Día", "Jour"};
const Translated kAnswers{"Answers", "Válaszok", "Respuestas", "Réponses"};
const Translated kRight{"Right", "Helyes", "Aciertos", "Justes"};
// Of the answers of a day, those written into the gap rather than chosen.
const Translated kTyped{"Written", "Beírt", "Escritas", "Écrites"};
const Translated kTypedRight{"Written, right", "Beírt, helyes", "Escritas, aciertos", "Écrites, justes"};
const Translated kTopicChart{
    "First answers right by topic (%), all time", "Helyes első válaszok témánként (%), összesen",
    "Primeras respuestas correctas por tema (%), en total", "Premières réponses justes par sujet (%), au total"};
const Translated kDayChart{"Answers per day and share right (%), last 30 days",
                           "Válaszok naponta és a helyesek aránya (%), az elmúlt 30 napban",
                           "Respuestas por día y porcentaje de aciertos, últimos 30 días",
                           "Réponses par jour et taux de réussite (%), 30 derniers jours"};
const Translated kStreak{"Days in a row practised: %1", "Egymást követő gyakorlónapok: %1",
                         "Días seguidos de práctica: %1", "Jours d'entraînement d'affilée\u00a0: %1"};
const Translated kSummary{
    "This database: %1 of %2 items seen, %3 due today, %4 well learned.",
    "Ez az adatbázis: %2 mondatból %1 már előkerült, ma %3 esedékes, %4 jól begyakorolt.",
    "Esta base de datos: %1 de %2 oraciones vistas; pendientes hoy: %3; bien aprendidas: %4.",
    "Cette base de données — fiches vues\u00a0: %1 sur %2\u00a0; à réviser aujourd'hui\u00a0: %3\u00a0; "
    "bien apprises\u00a0: %4."};
const Translated kPractise{"&Practise this topic", "&Gyakorlás ebben a témában", "&Practicar este tema",
                           "S'e&xercer sur ce sujet"};
const Translated kExport{"&Export...", "&Exportálás...", "&Exportar...", "&Exporter..."};
const Translated kForget{"&Forget my progress...", "&Haladásom törlése...", "&Borrar mi progreso...",
                         "Effa&cer ma progression..."};
const Translated kForgetAsk{"Forget every recorded answer? This cannot be undone.",
                            "Törli az összes rögzített válaszát? Ez nem vonható vissza.",
                            "¿Borrar todas las respuestas registradas? No se puede deshacer.",
                            "Effacer toutes les réponses enregistrées\u00a0? Cette action est irréversible."};
const Translated kExportTitle{"Export answers", "Válaszok exportálása", "Exportar respuestas", "Exporter les réponses"};
const Translated kCannotWrite{"The file could not be written: %1", "A fájl nem írható: %1",
                              "No se ha podido escribir el archivo: %1",
                              "Le fichier n'a pas pu être écrit\u00a0: %1"};
const Translated kOtherTopic{"Other", "Egyéb", "Otros", "Autres"};
const Translated kWeakestRecent{"Weakest: %1, %2 right in the last 30 days.",
                                "Leggyengébb téma: %1, az elmúlt 30 napban %2 helyes.",
                                "Tema más flojo: %1, %2 de aciertos en los últimos 30 días.",
                                "Sujet le plus faible\u00a0: %1, %2 de réponses justes sur les 30 derniers jours."};
const Translated kWeakestAll{"Weakest: %1, %2 right so far.", "Leggyengébb téma: %1, eddig %2 helyes.",
                             "Tema más flojo: %1, %2 de aciertos hasta ahora.",
                             "Sujet le plus faible\u00a0: %1, %2 de réponses justes jusqu'ici."};
const Translated kNoWeakest{"Answer a few items first; then this line says what to practise next.",
                            "Előbb válaszoljon néhány mondatra; utána itt olvashatja, mit érdemes gyakorolnia.",
                            "Responda primero a algunas oraciones; después esta línea le dirá qué practicar.",
                            "Répondez d'abord à quelques fiches\u00a0; cette ligne vous dira ensuite quoi travailler."};

// The Topic menu entry (0 to 22) an item with these keys belongs to, or -1.
int topicIndex(const QString& topic1, const QString& topic2) {
    const std::optional<int> key = TopicCatalogue::nameKey(topic1, topic2);
    if (!key)
        return -1;
    for (int n = 0; n < TopicCatalogue::count; ++n)
        if (TopicCatalogue::topic(n).captionKey == *key)
            return n;
    return -1;
}

QTableWidget* makeTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setFont(uiFont(FontFace::Sans, 9, false));
    return table;
}

// The share right as the working language writes a percentage: closed up in English and Hungarian,
// after a no-break space in Spanish and French; a dash when nothing was answered.
QString shareText(const QLocale& locale, int lang, int right, int answered) {
    if (answered == 0)
        return QStringLiteral("–");
    const QString number = locale.toString(qRound(100.0 * right / answered));
    const bool spaced = lang == LangCode::Spanish || lang == LangCode::French;
    return number + (spaced ? QStringLiteral("\u00a0%") : QStringLiteral("%"));
}

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QChartView* makeChartView(QWidget* parent, const QString& name) {
    auto* view = new QChartView(parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumWidth(380);
    // The table beside the chart carries the same figures for the keyboard and screen readers.
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

} // namespace

AxisSteps roundAxis(int most) {
    const double rough = std::max(1, most) / 4.0;
    int step = 1;
    // The smallest of 1, 2, 5, 10, 20, 50 ... that is not below a quarter of the most.
    for (int power = 1; step < rough; power *= 10)
        for (int factor : {1, 2, 5})
            if (step < rough)
                step = factor * power;
    const int top = std::max(1, (most + step - 1) / step) * step;
    return {top, step};
}

ProgressScreen::ProgressScreen(AppContext& context) : Screen(context, ScreenId::Progress, QStringLiteral("Progress")) {
    buildControls();
    // A fixed size as every window of the program has; the layout shares it out.
    setClientSizeTwips(1060 * 15, 640 * 15);
}

void ProgressScreen::buildControls() {
    QWidget* c = canvas();
    auto* layout = new QVBoxLayout(c);
    m_summary = new QLabel(c);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setFont(uiFont(FontFace::Sans, 10));
    m_streak = new QLabel(c);
    m_streak->setObjectName(QStringLiteral("streak"));
    m_streak->setFont(uiFont(FontFace::Sans, 10));
    m_advice = new QLabel(c);
    m_advice->setObjectName(QStringLiteral("practiseNext"));
    m_advice->setWordWrap(true);
    m_advice->setFont(uiFont(FontFace::Sans, 10));
    layout->addWidget(m_summary);
    layout->addWidget(m_streak);
    layout->addWidget(m_advice);

    m_tabs = new QTabWidget(c);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    auto* topicsPage = new QWidget(m_tabs);
    auto* topicsLayout = new QHBoxLayout(topicsPage);
    m_topicChart = makeChartView(topicsPage, QStringLiteral("topicChart"));
    m_topicTable = makeTable(topicsPage, QStringLiteral("topicTable"));
    topicsLayout->addWidget(m_topicChart, 4);
    topicsLayout->addWidget(m_topicTable, 5);
    auto* daysPage = new QWidget(m_tabs);
    auto* daysLayout = new QHBoxLayout(daysPage);
    m_dayChart = makeChartView(daysPage, QStringLiteral("dayChart"));
    m_dayTable = makeTable(daysPage, QStringLiteral("dayTable"));
    daysLayout->addWidget(m_dayChart, 3);
    daysLayout->addWidget(m_dayTable, 2);
    m_tabs->addTab(topicsPage, QString());
    m_tabs->addTab(daysPage, QString());
    layout->addWidget(m_tabs, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [c](const char* name) {
        auto* b = new QPushButton(c);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_practise = button("practise");
    m_export = button("export");
    m_forget = button("forget");
    m_close = button("close");
    buttons->addWidget(m_practise);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_forget);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_practise, &QPushButton::clicked, this, [this] { handler([this] { practise_Click(); }); });
    connect(m_export, &QPushButton::clicked, this, [this] { handler([this] { export_Click(); }); });
    connect(m_forget, &QPushButton::clicked, this, [this] { handler([this] { forget_Click(); }); });
    connect(m_close, &QPushButton::clicked, this, [this] { handler([this] { close_Click(); }); });
    connect(m_topicTable, &QTableWidget::itemSelectionChanged, this,
            [this] { m_practise->setEnabled(!m_topicTable->selectedItems().isEmpty()); });
}

int ProgressScreen::langcode() const {
    return const_cast<ProgressScreen*>(this)->ctx().globals.langcode.value_or(LangCode::English);
}

void ProgressScreen::formLoad() {
    language();
    center(this);
    keepOnTop(this);
    refresh();
}

void ProgressScreen::language() {
    const int lang = langcode();
    setCaption(this, CaptionCatalogue::caption(65, LangCode::English) + QStringLiteral("  ----  ") + kTitle.in(lang));
    m_tabs->setTabText(0, kTopicsTab.in(lang));
    m_tabs->setTabText(1, kDaysTab.in(lang));
    setCaption(m_practise, kPractise.in(lang));
    setCaption(m_export, kExport.in(lang));
    setCaption(m_forget, kForget.in(lang));
    setCaption(m_close, ctx().caption(4));
    m_topicTable->setAccessibleName(kTopicChart.in(lang));
    m_dayTable->setAccessibleName(kDayChart.in(lang));
}

// The fingerprint of every item of the current database, so that figures count only items as they
// are now (an edited item starts afresh).
QHash<int, QString> ProgressScreen::currentItems() {
    try {
        return ctx().progress.fingerprints().all(ctx().globals.dbpath);
    } catch (const StoreError&) {
        // Without its database the window still shows the answers; the bank's figures stay at nought.
        return {};
    }
}

void ProgressScreen::refresh() {
    ctx().progress.flush();
    try {
        m_figures = ProgressFigures::of(ctx().progress.store(), QFileInfo(ctx().globals.dbpath).fileName(),
                                        currentItems(), ctx().platform.now());
    } catch (const ProgressError& e) {
        m_figures = ProgressFigures{};
        ctx().platform.message(this, ctx().progress.describe(e), kTitle.in(langcode()), MessageIcon::Exclamation);
    }
    fillSummary();
    fillTopics();
    fillDays();
    selectWeakest();
}

// The weakest topic is chosen at once, so that Practise this topic goes to it, and the line
// above the charts names it.
void ProgressScreen::selectWeakest() {
    const int lang = langcode();
    const QLocale locale = ReviewClock::localeOf(lang);
    for (int row = 0; row < int(m_figures.topics.size()); ++row) {
        QTableWidgetItem* name = m_topicTable->item(row, 0);
        if (name->data(Qt::UserRole).toInt() < 0)
            continue; // items of no topic cannot be practised as one
        m_topicTable->selectRow(row);
        m_topicTable->setCurrentItem(name);
        const ProgressFigures::Topic& t = m_figures.topics[size_t(row)];
        m_advice->setText(
            t.recentAnswered > 0
                ? kWeakestRecent.in(lang).arg(name->text(), shareText(locale, lang, t.recentRight, t.recentAnswered))
                : kWeakestAll.in(lang).arg(name->text(), shareText(locale, lang, t.right, t.answered)));
        return;
    }
    m_advice->setText(kNoWeakest.in(lang));
}

void ProgressScreen::fillSummary() {
    const int lang = langcode();
    const QLocale locale = ReviewClock::localeOf(lang);
    m_summary->setText(kSummary.in(lang).arg(locale.toString(m_figures.seen), locale.toString(m_figures.bankItems),
                                             locale.toString(m_figures.dueNow),
                                             locale.toString(m_figures.wellLearned)));
    m_streak->setText(kStreak.in(lang).arg(locale.toString(m_figures.daysInARow)));
}

void ProgressScreen::fillTopics() {
    const int lang = langcode();
    const QLocale locale = ReviewClock::localeOf(lang);
    const auto percent = [&locale, lang](int right, int answered) { return shareText(locale, lang, right, answered); };
    m_topicTable->clear();
    m_topicTable->setColumnCount(5);
    m_topicTable->setHorizontalHeaderLabels({kTopic.in(lang), kRightRecent.in(lang), kAnsweredRecent.in(lang),
                                             kRightAll.in(lang), kAnsweredAll.in(lang)});
    m_topicTable->setRowCount(int(m_figures.topics.size()));
    m_topicTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* set = new QBarSet(kRight.in(lang));
    QStringList names;
    for (int row = 0; row < int(m_figures.topics.size()); ++row) {
        const ProgressFigures::Topic& t = m_figures.topics[size_t(row)];
        const int index = topicIndex(t.topic1, t.topic2);
        // The topic as the Topic menu names it in the working language.
        const QString name = index >= 0 ? topicName(index, lang) : kOtherTopic.in(lang);
        auto* first = cell(name, false);
        first->setData(Qt::UserRole, index);
        m_topicTable->setItem(row, 0, first);
        m_topicTable->setItem(row, 1, cell(percent(t.recentRight, t.recentAnswered), true));
        m_topicTable->setItem(row, 2, cell(locale.toString(t.recentAnswered), true));
        m_topicTable->setItem(row, 3, cell(percent(t.right, t.answered), true));
        m_topicTable->setItem(row, 4, cell(locale.toString(t.answered), true));
        names.prepend(name); // the weakest at the top of the chart, as in the table
        set->insert(0, t.answered > 0 ? 100.0 * t.right / t.answered : 0);
    }
    m_practise->setEnabled(false);

    auto* chart = new QChart;
    chart->setTitle(kTopicChart.in(lang));
    chart->legend()->hide();
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(names);
    // Small enough that every topic's name fits beside its bar.
    categories->setLabelsFont(uiFont(FontFace::Sans, 7, false));
    categories->setTruncateLabels(false);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setRange(0, 100);
    values->setTickCount(6); // 0, 20, 40 ... as the day chart steps
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);
    QChart* old = m_topicChart->chart();
    m_topicChart->setChart(chart);
    delete old;
}

void ProgressScreen::fillDays() {
    const int lang = langcode();
    const QLocale locale = ReviewClock::localeOf(lang);
    m_dayTable->clear();
    m_dayTable->setColumnCount(5);
    m_dayTable->setHorizontalHeaderLabels(
        {kDay.in(lang), kAnswers.in(lang), kRight.in(lang), kTyped.in(lang), kTypedRight.in(lang)});
    m_dayTable->setRowCount(int(m_figures.days.size()));
    m_dayTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* answers = new QBarSet(kAnswers.in(lang));
    auto* share = new QLineSeries;
    share->setName(kRight.in(lang));
    QStringList labels;
    int most = 1;
    for (int row = 0; row < int(m_figures.days.size()); ++row) {
        const ProgressFigures::Day& d = m_figures.days[size_t(row)];
        m_dayTable->setItem(row, 0, cell(locale.toString(d.day, QLocale::ShortFormat), false));
        m_dayTable->setItem(row, 1, cell(locale.toString(d.answered), true));
        m_dayTable->setItem(row, 2, cell(shareText(locale, lang, d.right, d.answered), true));
        m_dayTable->setItem(row, 3, cell(locale.toString(d.typed), true));
        m_dayTable->setItem(row, 4, cell(shareText(locale, lang, d.typedRight, d.typed), true));
        answers->append(d.answered);
        if (d.answered > 0)
            share->append(row, 100.0 * d.right / d.answered);
        labels << QString::number(d.day.day());
        most = std::max(most, d.answered);
    }
    // Oldest first as in the chart; the latest days in view. (Sorting by the text of the date
    // would put the first of a month before the end of the one before.)
    m_dayTable->scrollToBottom();

    auto* chart = new QChart;
    chart->setTitle(kDayChart.in(lang));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* bars = new QBarSeries;
    bars->append(answers);
    chart->addSeries(bars);
    chart->addSeries(share);
    auto* days = new QBarCategoryAxis;
    days->append(labels);
    // Thirty days of the month side by side: small figures, so none is cut short.
    days->setLabelsFont(uiFont(FontFace::Sans, 7, false));
    days->setTruncateLabels(false);
    chart->addAxis(days, Qt::AlignBottom);
    bars->attachAxis(days);
    share->attachAxis(days);
    auto* count = new QValueAxis;
    const AxisSteps steps = roundAxis(most);
    count->setRange(0, steps.top);
    count->setTickCount(steps.top / steps.step + 1);
    count->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(count, Qt::AlignLeft);
    bars->attachAxis(count);
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(6); // 0, 20, 40 ... as the count axis steps
    percent->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(percent, Qt::AlignRight);
    share->attachAxis(percent);
    QChart* old = m_dayChart->chart();
    m_dayChart->setChart(chart);
    delete old;
}

void ProgressScreen::practise_Click() {
    const QList<QTableWidgetItem*> chosen = m_topicTable->selectedItems();
    if (chosen.isEmpty())
        return;
    const int index = m_topicTable->item(chosen.first()->row(), 0)->data(Qt::UserRole).toInt();
    if (index < 0)
        return;
    ctx().screens.state<PracticeState>().openOnTopic = index;
    ctx().screens.show(ScreenId::Practice);
    ctx().screens.unload(ScreenId::Hub);
    ctx().screens.unload(ScreenId::Progress);
}

void ProgressScreen::export_Click() {
    const int lang = langcode();
    const QString path = ctx().platform.saveFileName(this, kExportTitle.in(lang), QStringLiteral("CSV (*.csv)"),
                                                     QStringLiteral("progress.csv"));
    if (path.isEmpty())
        return;
    ctx().progress.flush();
    QSaveFile file(path);
    try {
        if (!file.open(QIODevice::WriteOnly))
            throw ProgressError(ProgressError::Kind::Failed, path, file.errorString());
        ctx().progress.store().exportCsv(file);
        if (!file.commit())
            throw ProgressError(ProgressError::Kind::Failed, path, file.errorString());
    } catch (const ProgressError& e) {
        file.cancelWriting();
        const QString text = e.path() == path ? kCannotWrite.in(lang).arg(QDir::toNativeSeparators(path))
                                              : ctx().progress.describe(e);
        ctx().platform.message(this, text, kTitle.in(lang), MessageIcon::Exclamation);
    }
}

void ProgressScreen::forget_Click() {
    const int lang = langcode();
    if (!ctx().platform.confirm(this, kForgetAsk.in(lang), kTitle.in(lang)))
        return;
    ctx().progress.flush();
    try {
        ctx().progress.store().forget();
    } catch (const ProgressError& e) {
        ctx().platform.message(this, ctx().progress.describe(e), kTitle.in(lang), MessageIcon::Exclamation);
    }
    refresh();
    if (Screen* hub = ctx().screens.find(ScreenId::Hub))
        QMetaObject::invokeMethod(hub, "refreshDueToday");
}

void ProgressScreen::close_Click() {
    ctx().screens.unload(ScreenId::Progress);
}

void ProgressScreen::closeBoxPressed() {
    handler([this] { close_Click(); });
}

} // namespace lexora
