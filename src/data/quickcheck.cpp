// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/quickcheck.h"

#include "data/sqlitedb.h"
#include "data/storeerror.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <time.h>

#include <map>
#include <mutex>
#include <optional>
#include <tuple>

namespace lexora {

namespace {

struct Stamp {
    long long device = 0, inode = 0, size = 0, changedSec = 0, changedNsec = 0;
    bool operator==(const Stamp& o) const {
        return std::tie(device, inode, size, changedSec, changedNsec) ==
               std::tie(o.device, o.inode, o.size, o.changedSec, o.changedNsec);
    }
};

std::optional<Stamp> stampOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    // The time of the last change of the inode catches a file copied over with its old
    // modification time kept.
    return Stamp{(long long)st.st_dev, (long long)st.st_ino, (long long)st.st_size, (long long)st.st_ctim.tv_sec,
                 (long long)st.st_ctim.tv_nsec};
}

// The file and its write-ahead log, if it has one: in that mode committed changes sit in the log.
struct Identity {
    Stamp file;
    std::optional<Stamp> log;
    bool operator==(const Identity& o) const { return file == o.file && log == o.log; }
};

std::optional<Identity> identityOf(const QString& canonical) {
    const auto file = stampOf(canonical);
    if (!file)
        return std::nullopt;
    return Identity{*file, stampOf(canonical + QStringLiteral("-wal"))};
}

// File times advance in ticks of the system clock (a few milliseconds). A file changed within
// the tick it was checked in could be changed again in that same tick, keeping its identity;
// it is remembered only once it is older than any tick.
bool oldEnoughToRemember(const Stamp& file) {
    constexpr long long kTickNs = 50'000'000;
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long age = (now.tv_sec - file.changedSec) * 1'000'000'000LL + (now.tv_nsec - file.changedNsec);
    return age > kTickNs;
}

std::mutex sealsLock;
std::map<QString, Identity> sound; // canonical path -> identity when last found sound

} // namespace

void QuickCheck::ensure(SqliteDb& db) {
    const QString canonical = QFileInfo(db.path()).canonicalFilePath();
    if (!canonical.isEmpty()) {
        const auto now = identityOf(canonical);
        std::lock_guard<std::mutex> lock(sealsLock);
        const auto known = sound.find(canonical);
        if (now && known != sound.end() && known->second == *now)
            return;
    }

    Statement check = db.prepare("PRAGMA quick_check(1)");
    const QString verdict = check.step() ? check.column(0).toString() : QString();
    if (verdict != QLatin1String("ok"))
        throw StoreError(StoreError::Kind::NotADatabase, StoreError::Reason::Damaged, {db.path(), verdict});

    // Taken after the check, which may have rolled back a journal left by a crash.
    const auto after = canonical.isEmpty() ? std::nullopt : identityOf(canonical);
    if (after && oldEnoughToRemember(after->file) && (!after->log || oldEnoughToRemember(*after->log))) {
        std::lock_guard<std::mutex> lock(sealsLock);
        sound[canonical] = *after;
    }
}

// Between the write and this look another program could change the file too; that is the
// same as a change made while the file is open, which no check at opening could see either.
// The file is remembered however young its change: the next opening of a file this program
// writes (a failed item stored, then the next item drawn) should not pay for the check.
void QuickCheck::rememberAsSound(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return;
    const auto now = identityOf(canonical);
    std::lock_guard<std::mutex> lock(sealsLock);
    if (now)
        sound[canonical] = *now;
    else
        sound.erase(canonical);
}

void QuickCheck::forgetAll() {
    std::lock_guard<std::mutex> lock(sealsLock);
    sound.clear();
}

} // namespace lexora
