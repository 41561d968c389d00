#pragma once
// The tally rebuild done the slow way, contact by contact, each step a whole
// rewrite of a file through "Temporaire.txt": the yardstick the in-memory
// rebuild is compared against.  Tests only.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brivant::testing {

// MAJ_Prefixe then MAJ_Departement on the station's files.  Returns the
// callsigns for which "Prefixe Inconnu" is shown, in order.
std::vector<std::string> referenceRebuild(const std::filesystem::path& programDir, std::string_view call);

}  // namespace brivant::testing
