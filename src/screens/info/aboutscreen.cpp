#include "screens/info/aboutscreen.h"

namespace lexora {

AboutScreen::AboutScreen(AppContext& context) : Screen(context, ScreenId::About, QStringLiteral("sobre")) {}

} // namespace lexora
