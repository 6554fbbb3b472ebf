#pragma once

namespace lexora {

// Every window of the program; each exists at most once at a time.
enum class ScreenId { Lang, Hatter, Hub, Practice, Test, FailedItems, Database, Help, About, Grammar, Progress };

} // namespace lexora
