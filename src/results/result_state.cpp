#include "results/result_state.h"

namespace kwintel {

int upperCaseMode = 1;
int sortMode = 0;
std::string resultFileName;

}  // namespace kwintel
