// Built by the layering check only: the core's logic cannot see the entry.
// The library's own header comes first: it must be found.
#include "core/LogFile.h"

// The header of the folder above must not be.
#include "entry/DeptTally.h"
