#pragma once

namespace kwintel {

// What a callback of a search wants next.
enum class Flow { Continue, Stop };

}  // namespace kwintel
