#include "screens/practice/practicescreen.h"

namespace lexora {

PracticeScreen::PracticeScreen(AppContext& context) : Screen(context, ScreenId::Practice, QStringLiteral("Spgyak")) {}

} // namespace lexora
