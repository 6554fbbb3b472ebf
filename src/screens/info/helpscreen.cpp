#include "screens/info/helpscreen.h"

namespace lexora {

HelpScreen::HelpScreen(AppContext& context) : Screen(context, ScreenId::Help, QStringLiteral("Form3")) {}

} // namespace lexora
