// Built by the layering check only: the main window cannot see the entry.
// The library's own header comes first: it must be found.
#include "core/ui/Main.h"

// The header of the folder above must not be.
#include "entry/ui/EntryChain.h"
