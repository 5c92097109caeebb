#pragma once

namespace vantrel {

// The player's four actions, numbered as the strategy chart numbers them.
enum class Action { Hit = 1, Stand = 2, DoubleDown = 3, Split = 4 };

}  // namespace vantrel
