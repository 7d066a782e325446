#include "engine/sequence_run_floors.h"

namespace kwintel {

void SequenceRunFloors::Failed(std::size_t star, std::uint32_t variables, std::size_t from) {
  if (star >= floors_.size()) floors_.resize(star + 1);
  Floor& floor = floors_[star];
  if (floor.generation != generation_ || floor.variables != variables || from < floor.from) {
    floor = Floor{generation_, variables, from};
  }
}

}  // namespace kwintel
