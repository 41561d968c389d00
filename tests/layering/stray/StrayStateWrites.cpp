// Writes of the shared state out of place, one of each kind the check of the
// writers knows: it must refuse this folder.  Never compiled.

#include "core/AppState.h"

namespace brivant {

void strayWrites(AppState& state, AppState& appState) {
  state.GridBand = "7 Mhz";
  ++appState.QsoCount;
  std::string& call = state.StationCall;
  call.clear();
}

}  // namespace brivant
