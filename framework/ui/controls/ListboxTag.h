#pragma once
// The value a Listbox keeps as a cell or row tag: any Variant, as in the old
// framework. The product stores record ids in them and reads them back as
// numbers or text.
#include "framework/data/Variant.h"

using ListboxTag = Variant;
