// Index checking of lists, shared by the store and the list components.
#pragma once

#include <cstddef>

// Throws std::out_of_range with the message "List index out of bounds (i)"
// when Index is not a position of a list of Count entries.
void CheckListIndex(int Index, std::size_t Count);
