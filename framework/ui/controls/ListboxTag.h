#pragma once
// The value a Listbox keeps as a cell or row tag. The product stores record
// ids in them and reads them back as numbers.
#include <cstdint>

using ListboxTag = int64_t;
