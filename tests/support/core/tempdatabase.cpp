// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tempdatabase.h"

#include "data/itemstore.h"

#include <QFile>

#include <algorithm>
#include <QTest>

namespace lexora::testing {

ItemBank fixtureBank(const QString& fixture) {
    std::vector<BankProblem> problems;
    ItemBank bank = ItemBank::readText(QStringLiteral(LEXORA_FIXTURES_DIR "/") + fixture, problems);
    if (!problems.empty())
        qFatal("fixture %s line %d: %s", qPrintable(fixture), problems.front().line,
               qPrintable(problems.front().message));
    return bank;
}

TempDatabase::TempDatabase(const QString& fixture, const QString& fileName) {
    m_path = m_dir.filePath(fileName);
    fixtureBank(fixture).createDatabase(m_path);
}

TempDatabase::TempDatabase(const std::vector<QStringList>& items, const QString& fileName) {
    m_path = m_dir.filePath(fileName);
    ItemBank bank;
    bank.items = items;
    bank.createDatabase(m_path);
}

QString TempDatabase::dir() const {
    return m_dir.path() + '/';
}

std::vector<QStringList> TempDatabase::failedRows() const {
    std::vector<QStringList> rows;
    auto view = LiveView::open(m_path, QStringLiteral("hiba1"));
    if (view->count() == 0)
        return rows;
    for (view->moveFirst(); !view->eof(); view->moveNext()) {
        QStringList row;
        for (const char* name : {"hiba", "mondat", "a", "b", "c", "d", "felelet1", "felelet2"})
            row << view->text(QLatin1String(name));
        rows.push_back(row);
    }
    return rows;
}

void TempDatabase::setReadOnly(bool readOnly) {
    QFile::setPermissions(m_path, readOnly ? QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther
                                           : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

QStringList makeItem(int sorszam, int sorrend2, int szint, const QString& kulcs1, const QString& kulcs2,
                     const QString& felelet2) {
    const QString n = QString::number(sorszam);
    const QString answers[] = {"a" + n, "b" + n, "c" + n, "d" + n};
    const QString right = answers[std::max<qsizetype>(0, QStringLiteral("ABCD").indexOf(felelet2))];
    return {n,
            n,
            QString::number(sorrend2),
            QString::number(szint),
            QStringLiteral("Sentence %1 with a ...... in it.").arg(n),
            answers[0],
            answers[1],
            answers[2],
            answers[3],
            QStringLiteral("Sentence %1 with a %2 in it.").arg(n, right),
            felelet2,
            kulcs1,
            kulcs2};
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace lexora::testing
