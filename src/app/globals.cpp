#include "app/globals.h"

namespace lexora {

QString apppath(const QString& programDir) {
    if (programDir.endsWith('/'))
        return programDir;
    return programDir + '/';
}

} // namespace lexora
