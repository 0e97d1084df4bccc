#include "store/ListIndex.h"

#include <stdexcept>
#include <string>

void CheckListIndex(int Index, std::size_t Count) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= Count)
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}
