// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheetwriter.h"

#include "text/captions.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheettexts.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

namespace lexora {

namespace {

constexpr int kPdfResolution = 600; // dots per inch of the PDF's coordinates

QFont sheetFont(bool serif, double points, bool bold = false) {
    QFont font;
    font.setFamilies({serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans")});
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The gap of a sentence is a run of dots in the item; on paper it is a line to write on.
QString withWritingGap(const QString& sentence) {
    static const QRegularExpression dots(QStringLiteral("\\.{3,}|\u2026+"));
    QString text = sentence;
    return text.replace(dots, QStringLiteral("__________"));
}

// One piece of the flow that must stay on one page.
struct Block {
    qreal height = 0;
    std::function<void(QPainter&, qreal top)> paint;
    bool startsPage = false; // the answer key begins on a page of its own
};

// Measures and paints on one device; every length is in the device's units.
class Layout {
public:
    explicit Layout(QPagedPaintDevice& device)
        : m_device(device), m_width(device.width()), m_height(device.height()), m_mm(device.logicalDpiY() / 25.4) {}

    qreal mm(qreal millimetres) const { return millimetres * m_mm; }
    qreal width() const { return m_width; }
    // The height of the page above its footer.
    qreal bodyHeight() const { return m_height - mm(10); }

    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &m_device); }
    qreal wrappedHeight(const QFont& font, qreal width, const QString& text) const {
        return metrics(font).boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
    }
    qreal advance(const QFont& font, const QString& text) const { return metrics(font).horizontalAdvance(text); }

    void footer(QPainter& painter, const QString& text) const {
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, m_height - mm(6), m_width, mm(6)), Qt::AlignHCenter | Qt::AlignBottom, text);
    }

    const QFont titleFont = sheetFont(false, 18, true);
    const QFont subjectFont = sheetFont(false, 12);
    const QFont lineFont = sheetFont(false, 11);
    const QFont numberFont = sheetFont(false, 11, true);
    const QFont letterFont = sheetFont(false, 10, true);
    const QFont sentenceFont = sheetFont(true, 12);
    const QFont answerFont = sheetFont(true, 11.5);
    const QFont reasonFont = sheetFont(false, 10);
    const QFont footerFont = sheetFont(false, 9);

private:
    QPagedPaintDevice& m_device;
    qreal m_width;
    qreal m_height;
    qreal m_mm;
};

class SheetComposer {
public:
    SheetComposer(const Worksheet& sheet, const Layout& layout) : m_sheet(sheet), m_l(layout) {
        m_numberWidth = m_l.advance(m_l.numberFont, QStringLiteral("0000.")) + m_l.mm(1);
    }

    std::vector<Block> blocks() {
        std::vector<Block> out;
        out.push_back(heading(worksheettext::title.in(m_sheet.langcode), true));
        for (size_t i = 0; i < m_sheet.items.size(); ++i)
            out.push_back(item(int(i) + 1, m_sheet.items[i]));
        Block keyHeading = heading(worksheettext::answerKey.in(m_sheet.langcode), false);
        keyHeading.startsPage = true;
        out.push_back(keyHeading);
        for (size_t i = 0; i < m_sheet.items.size(); ++i)
            out.push_back(keyLine(int(i) + 1, m_sheet.items[i]));
        return out;
    }

private:
    // Title, subject and, on the sheet itself, the lines for the learner's name and the date.
    Block heading(const QString& title, bool withNameLine) {
        const qreal titleHeight = m_l.metrics(m_l.titleFont).height();
        const qreal subjectHeight = m_l.wrappedHeight(m_l.subjectFont, m_l.width(), m_sheet.subject);
        const qreal lineHeight = m_l.metrics(m_l.lineFont).height();
        const qreal gap = m_l.mm(2);
        Block block;
        block.height =
            titleHeight + gap + subjectHeight + gap + (withNameLine ? lineHeight + m_l.mm(4) : 0) + m_l.mm(6);
        block.paint = [=](QPainter& p, qreal top) {
            qreal y = top;
            p.setFont(m_l.titleFont);
            p.drawText(QRectF(0, y, m_l.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
            y += titleHeight + gap;
            p.setFont(m_l.subjectFont);
            p.drawText(QRectF(0, y, m_l.width(), subjectHeight), Qt::TextWordWrap, m_sheet.subject);
            y += subjectHeight + gap;
            if (withNameLine) {
                y += m_l.mm(4);
                const QString name = worksheettext::name.in(m_sheet.langcode);
                const QString date = worksheettext::date.in(m_sheet.langcode);
                const qreal dateLeft = m_l.width() * 0.65;
                writeOnLine(p, name, 0, dateLeft - m_l.mm(6), y, lineHeight);
                writeOnLine(p, date, dateLeft, m_l.width(), y, lineHeight);
                y += lineHeight;
            }
            y += m_l.mm(2);
            p.drawLine(QPointF(0, y), QPointF(m_l.width(), y));
        };
        return block;
    }

    // How far below a line's top a text in `smaller` starts so that it shares the baseline of `main`.
    qreal baselineShift(const QFont& smaller, const QFont& main) const {
        return m_l.metrics(main).ascent() - m_l.metrics(smaller).ascent();
    }

    // A caption followed by a line to write on, from `left` to `right`.
    void writeOnLine(QPainter& p, const QString& caption, qreal left, qreal right, qreal top, qreal height) const {
        p.setFont(m_l.lineFont);
        p.drawText(QRectF(left, top, right - left, height), Qt::AlignLeft | Qt::AlignBottom, caption);
        const qreal start = left + m_l.advance(m_l.lineFont, caption) + m_l.mm(2);
        const qreal base = top + m_l.metrics(m_l.lineFont).ascent();
        p.drawLine(QPointF(start, base), QPointF(right, base));
    }

    // How many columns the four answers take: four in a row when they fit, else two, else one each.
    int answerColumns(const WorksheetItem& item, qreal width, qreal letterWidth) const {
        const QString answers[] = {item.a, item.b, item.c, item.d};
        for (int columns : {4, 2}) {
            const qreal room = width / columns - letterWidth - m_l.mm(3);
            bool fits = true;
            for (const QString& answer : answers)
                fits = fits && m_l.advance(m_l.answerFont, answer) <= room;
            if (fits)
                return columns;
        }
        return 1;
    }

    Block item(int number, const WorksheetItem& it) {
        const QString sentence = withWritingGap(it.mondat);
        const qreal textLeft = m_numberWidth;
        const qreal textWidth = m_l.width() - textLeft;
        const qreal sentenceHeight = m_l.wrappedHeight(m_l.sentenceFont, textWidth, sentence);
        const qreal letterWidth = m_l.advance(m_l.letterFont, QStringLiteral("D)")) + m_l.mm(1.5);
        const int columns = answerColumns(it, textWidth, letterWidth);
        const qreal columnWidth = textWidth / columns;
        const qreal answerRoom = columnWidth - letterWidth - m_l.mm(3);
        const QString answers[] = {it.a, it.b, it.c, it.d};

        // Each row is as tall as its tallest answer (only a single column ever wraps).
        std::vector<qreal> rowHeights(size_t(4 / columns), 0);
        for (int i = 0; i < 4; ++i) {
            qreal& row = rowHeights[size_t(i / columns)];
            row = std::max(row, m_l.wrappedHeight(m_l.answerFont, answerRoom, answers[i]));
        }
        qreal answersHeight = 0;
        for (qreal h : rowHeights)
            answersHeight += h + m_l.mm(1);

        Block block;
        const qreal gap = m_l.mm(1.5);
        block.height = sentenceHeight + gap + answersHeight + m_l.mm(4);
        const qreal numberShift = baselineShift(m_l.numberFont, m_l.sentenceFont);
        const qreal letterShift = baselineShift(m_l.letterFont, m_l.answerFont);
        block.paint = [=](QPainter& p, qreal top) {
            p.setFont(m_l.numberFont);
            p.drawText(QRectF(0, top + numberShift, m_numberWidth, sentenceHeight), Qt::AlignLeft | Qt::AlignTop,
                       QStringLiteral("%1.").arg(number));
            p.setFont(m_l.sentenceFont);
            p.drawText(QRectF(textLeft, top, textWidth, sentenceHeight), Qt::TextWordWrap, sentence);
            qreal y = top + sentenceHeight + gap;
            for (int i = 0; i < 4; ++i) {
                const int row = i / columns;
                const qreal left = textLeft + (i % columns) * columnWidth;
                const qreal height = rowHeights[size_t(row)];
                p.setFont(m_l.letterFont);
                p.drawText(QRectF(left, y + letterShift, letterWidth, height), Qt::AlignLeft | Qt::AlignTop,
                           QStringLiteral("%1)").arg(QChar('A' + i)));
                p.setFont(m_l.answerFont);
                p.drawText(QRectF(left + letterWidth, y, answerRoom, height), Qt::TextWordWrap, answers[i]);
                if (i % columns == columns - 1)
                    y += height + m_l.mm(1);
            }
        };
        return block;
    }

    // Number, letter and filled sentence; below them, when the sheet explains, the item's reason.
    // Line and reason are one block, so a reason never stands on a page apart from its line.
    Block keyLine(int number, const WorksheetItem& it) {
        const qreal letterLeft = m_numberWidth;
        const qreal textLeft = letterLeft + m_l.advance(m_l.numberFont, QStringLiteral("MM"));
        const qreal textWidth = m_l.width() - textLeft;
        const qreal height =
            std::max(m_l.wrappedHeight(m_l.sentenceFont, textWidth, it.felelet1), m_l.metrics(m_l.numberFont).height());
        const qreal reasonGap = m_l.mm(0.8);
        const qreal reasonHeight = it.reason.isEmpty() ? 0 : m_l.wrappedHeight(m_l.reasonFont, textWidth, it.reason);
        Block block;
        block.height = height + (it.reason.isEmpty() ? 0 : reasonGap + reasonHeight) + m_l.mm(2);
        const qreal shift = baselineShift(m_l.numberFont, m_l.sentenceFont);
        block.paint = [=](QPainter& p, qreal top) {
            p.setFont(m_l.numberFont);
            p.drawText(QRectF(0, top + shift, m_numberWidth, height), Qt::AlignLeft | Qt::AlignTop,
                       QStringLiteral("%1.").arg(number));
            p.drawText(QRectF(letterLeft, top + shift, textLeft - letterLeft, height), Qt::AlignLeft | Qt::AlignTop,
                       it.felelet2);
            p.setFont(m_l.sentenceFont);
            p.drawText(QRectF(textLeft, top, textWidth, height), Qt::TextWordWrap, it.felelet1);
            if (!it.reason.isEmpty()) {
                p.setFont(m_l.reasonFont);
                p.drawText(QRectF(textLeft, top + height + reasonGap, textWidth, reasonHeight), Qt::TextWordWrap,
                           it.reason);
            }
        };
        return block;
    }

    const Worksheet& m_sheet;
    const Layout& m_l;
    qreal m_numberWidth = 0;
};

// Places the blocks on pages: a block that does not fit below the last one starts the next page.
// A block taller than a whole page still gets a page of its own, so placing always ends.
std::vector<std::vector<std::pair<const Block*, qreal>>> paginate(const std::vector<Block>& blocks, qreal bodyHeight) {
    std::vector<std::vector<std::pair<const Block*, qreal>>> pages(1);
    qreal y = 0;
    for (const Block& block : blocks) {
        const bool full = y > 0 && y + block.height > bodyHeight;
        if (full || (block.startsPage && y > 0)) {
            pages.emplace_back();
            y = 0;
        }
        pages.back().emplace_back(&block, y);
        y += block.height;
    }
    return pages;
}

// A worksheet must never take the place of an item database (a slip in the file box).
bool isDatabaseFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace

WorksheetError::WorksheetError(Messages::Id message, QStringList args)
    : std::runtime_error(Messages::text(message, LangCode::English, args).toStdString()), m_message(message),
      m_args(std::move(args)) {}

QString WorksheetError::in(int langcode) const {
    QStringList args = m_args;
    if (args.size() > 1)
        args.last() = Messages::systemDetail(args.last(), langcode);
    return Messages::text(m_message, langcode, args);
}

int WorksheetWriter::paint(QPagedPaintDevice& device) const {
    const Layout layout(device);
    SheetComposer composer(m_sheet, layout);
    const std::vector<Block> blocks = composer.blocks();
    const auto pages = paginate(blocks, layout.bodyHeight());

    QPainter painter;
    if (!painter.begin(&device))
        throw WorksheetError(Messages::Id::PrinterUnusable, {});
    painter.setPen(QPen(Qt::black, layout.mm(0.25)));
    for (size_t n = 0; n < pages.size(); ++n) {
        if (n > 0)
            device.newPage();
        for (const auto& [block, top] : pages[n])
            block->paint(painter, top);
        layout.footer(painter, worksheettext::page.in(m_sheet.langcode).arg(n + 1).arg(pages.size()));
    }
    painter.end();
    return int(pages.size());
}

int WorksheetWriter::writePdf(const QString& path) const {
    if (isDatabaseFile(path))
        throw WorksheetError(Messages::Id::WorksheetOnDatabase, {path});
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw WorksheetError(Messages::Id::WorksheetUnwritable, {path, file.errorString()});
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 12),
                                         QPageLayout::Millimeter));
        writer.setTitle(worksheettext::title.in(m_sheet.langcode) + QStringLiteral(": ") + m_sheet.subject);
        writer.setCreator(QStringLiteral("Lexora English"));
        pages = paint(writer);
    } // the writer finishes the document when it goes
    if (!file.commit())
        throw WorksheetError(Messages::Id::WorksheetUnwritable, {path, file.errorString()});
    return pages;
}

} // namespace lexora
