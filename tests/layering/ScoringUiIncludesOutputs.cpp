// Built by the layering check only: the save cannot see the outputs' windows.
// The library's own header comes first: it must be found.
#include "scoring/ui/Enregistrer.h"

// The header of the folder above must not be.
#include "outputs/ui/OutputMenus.h"
