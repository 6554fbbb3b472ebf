// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/textfile.h"

#include "exchange/exchangetexts.h"
#include "exchange/exchangeitem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace lexora {

namespace {

// Offset of the first byte that does not belong to well-formed UTF-8, or -1.
qsizetype firstBadUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        int follow = 0;
        unsigned int least = 0;
        if (c < 0x80) {
            if (c == 0)
                return i; // a text file holds no NUL characters
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
            least = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            least = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            least = 0x10000;
        } else {
            return i;
        }
        unsigned int code = c & (0x3F >> follow);
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;
        i += follow + 1;
    }
    return -1;
}

} // namespace

QByteArray TextFile::readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeError(exchangetext::cannotRead, {path, file.errorString()});
    if (file.size() > kMaxBytes)
        throw ExchangeError(exchangetext::tooLarge, {path, double(file.size()) / (1024 * 1024),
                                                     kMaxBytes / (1024 * 1024)});
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ExchangeError(exchangetext::cannotRead, {path, file.errorString()});
    return bytes;
}

QString TextFile::decode(const QByteArray& bytes, const QString& path) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        QString text = decoder.decode(bytes.mid(2));
        if (decoder.hasError() || text.contains(QChar(0)))
            throw ExchangeError(exchangetext::badUtf16, {path});
        return text;
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const qsizetype bad = firstBadUtf8(body);
    if (bad >= 0) {
        const int line = int(body.left(bad).count('\n')) + 1;
        throw ExchangeError(exchangetext::notUtf8, {path, line});
    }
    return QString::fromUtf8(body);
}

void TextFile::write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ExchangeError(exchangetext::cannotWrite, {path, file.errorString()});
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw ExchangeError(exchangetext::cannotWrite, {path, file.errorString()});
}

} // namespace lexora
