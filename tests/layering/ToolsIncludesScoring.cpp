// Built by the layering check only: the data generators see the entry, whose
// layout they write, and nothing above it.
// The library's own header comes first: it must be found.
#include "tools/PrefixTable.h"

// The header of the folder above must not be.
#include "scoring/Points.h"
