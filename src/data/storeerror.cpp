#include "data/storeerror.h"

#include "text/captions.h"
#include "text/messages.h"

namespace lexora {

QString StoreError::message() const {
    return Messages::of(*this, LangCode::English);
}

} // namespace lexora
