#pragma once
// The score of the main window (P_QSO).

#include "core/ui/MainOperations.h"

namespace brivant {

// Calcul_Points into P_QSO.  A log or tally that cannot be read raises the
// missing-file window and gives false.
bool showPoints(const MainView& view);

}  // namespace brivant
