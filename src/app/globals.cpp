// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/globals.h"

namespace lexora {

QString apppath(const QString& programDir) {
    if (programDir.endsWith('/'))
        return programDir;
    return programDir + '/';
}

} // namespace lexora
