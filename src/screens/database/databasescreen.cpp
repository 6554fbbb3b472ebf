#include "screens/database/databasescreen.h"

namespace lexora {

DatabaseScreen::DatabaseScreen(AppContext& context) : Screen(context, ScreenId::Database, QStringLiteral("Form1")) {}

} // namespace lexora
