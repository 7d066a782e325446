#include "engine/engine_types.h"

namespace kwintel {

std::int64_t target = 0;
MatchState matchState;
SearchRunState searchRunState;

}  // namespace kwintel
