// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/categorypath.h"

#include "data/topics.h"
#include "exchange/exchangeitem.h"
#include "text/captions.h"
#include "text/translated.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <iterator>

namespace lexora {

namespace {

const QString kRoot = QStringLiteral("Lexora English");
constexpr int kLanguages[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};

const Translated kLevel{"Level %1", "%1. szint", "Nivel %1", "Niveau %1"};

// A category name holding "/" writes it twice, so a single "/" always separates two names.
QString escaped(QString name) {
    return name.replace(QLatin1Char('/'), QStringLiteral("//"));
}

QStringList parts(const QString& path) {
    QStringList out;
    QString current;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path[i] == QLatin1Char('/')) {
            if (i + 1 < path.size() && path[i + 1] == QLatin1Char('/')) {
                current += QLatin1Char('/');
                ++i;
                continue;
            }
            out << current.trimmed();
            current.clear();
            continue;
        }
        current += path[i];
    }
    out << current.trimmed();
    return out;
}

std::optional<int> levelIn(const QString& part, bool& hungarian) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(?:(?:level|nivel|niveau|szint)\s*([1-3])|([1-3])\.?\s*szint)$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(part);
    if (!match.hasMatch())
        return std::nullopt;
    hungarian = part.contains(QStringLiteral("szint"), Qt::CaseInsensitive);
    return (match.captured(1) + match.captured(2)).toInt();
}

// The topics' names in every working language, made once: reading a file looks them up per category.
const std::array<std::array<QString, 4>, TopicCatalogue::count>& topicNames() {
    static const auto names = [] {
        std::array<std::array<QString, 4>, TopicCatalogue::count> table;
        for (int n = 0; n < TopicCatalogue::count; ++n) {
            for (size_t l = 0; l < std::size(kLanguages); ++l)
                table[size_t(n)][l] = CategoryPath::topicName(n, kLanguages[l]);
        }
        return table;
    }();
    return names;
}

size_t languageIndex(int langcode) {
    for (size_t l = 0; l < std::size(kLanguages); ++l) {
        if (kLanguages[l] == langcode)
            return l;
    }
    return 0;
}

std::optional<int> topicIn(const QString& part, bool& hungarian) {
    const size_t hu = languageIndex(LangCode::Hungarian);
    for (int n = 0; n < TopicCatalogue::count; ++n) {
        const auto& names = topicNames()[size_t(n)];
        for (const QString& name : names) {
            if (name.compare(part, Qt::CaseInsensitive) != 0)
                continue;
            // A name the Hungarian menu shares with another language does not tell the language.
            hungarian = std::count_if(names.begin(), names.end(), [&](const QString& other) {
                            return other.compare(part, Qt::CaseInsensitive) == 0;
                        }) == 1 && names[hu].compare(part, Qt::CaseInsensitive) == 0;
            return n;
        }
    }
    return std::nullopt;
}

// The topic whose menu caption is `captionKey`.
std::optional<int> topicWithCaption(int captionKey) {
    for (int n = 0; n < TopicCatalogue::count; ++n) {
        if (TopicCatalogue::topic(n).captionKey == captionKey)
            return n;
    }
    return std::nullopt;
}

} // namespace

QString CategoryPath::topicName(int n, int langcode) {
    QString name = CaptionCatalogue::caption(TopicCatalogue::topic(n).captionKey, langcode);
    return name.remove(QLatin1Char('&'));
}

QString CategoryPath::levelName(int level, int langcode) {
    return kLevel.in(langcode).arg(level);
}

QString CategoryPath::of(const ExchangeItem& item, int langcode) {
    QString path = kRoot;
    const std::optional<int> key = TopicCatalogue::nameKey(item.kulcs1, item.kulcs2);
    if (const std::optional<int> topic = key ? topicWithCaption(*key) : std::nullopt)
        path += QLatin1Char('/') + escaped(topicNames()[size_t(*topic)][languageIndex(langcode)]);
    return path + QLatin1Char('/') + levelName(item.level, langcode);
}

CategoryPath::Meaning CategoryPath::read(const QString& path) {
    Meaning meaning;
    for (const QString& part : parts(path)) {
        bool hungarian = false;
        if (!meaning.level)
            meaning.level = levelIn(part, hungarian);
        if (!meaning.topic)
            meaning.topic = topicIn(part, hungarian);
        meaning.hungarian = meaning.hungarian || hungarian;
    }
    return meaning;
}

void CategoryPath::apply(const Meaning& meaning, ExchangeItem& item) {
    item.level = meaning.level.value_or(1);
    item.kulcs1.clear();
    item.kulcs2.clear();
    if (meaning.topic) {
        const Topic& topic = TopicCatalogue::topic(*meaning.topic);
        item.kulcs1 = topic.kulcs1;
        // Topics that look only at kulcs1 are stored with "0" beside it, as the shipped banks do.
        item.kulcs2 = topic.kulcs2.value_or(QStringLiteral("0"));
    }
}

} // namespace lexora
