// Built by the layering check only: the entry's windows cannot see the save.
// The library's own header comes first: it must be found.
#include "entry/ui/EntryChain.h"

// The header of the folder above must not be.
#include "scoring/ui/Enregistrer.h"
