#include "screens/start/languagescreen.h"

namespace lexora {

LanguageScreen::LanguageScreen(AppContext& context) : Screen(context, ScreenId::Lang, QStringLiteral("lang")) {}

} // namespace lexora
