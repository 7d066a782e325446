#include "engine/word_file_name.h"

#include <cstdio>

namespace kwintel {

std::string WordFileName(const std::string& prefix, int length) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", length);
  return prefix + number + ".DOC";
}

}  // namespace kwintel
