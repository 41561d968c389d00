#pragma once
// The shipped departement template "FXXXX_Departement.txt": one line per
// departement of metropolitan France, every band flag "0".

#include <string>
#include <string_view>
#include <vector>

namespace brivant::tools {

struct Departement {
  std::string_view code;  // "01" .. "95"; Corsica "2A" and "2B" in place of 20
  std::string_view name;  // UTF-8
};

// In file order: 01 to 19, 2A, 2B, 21 to 95.
const std::vector<Departement>& departements();

// "07 00000000000000000 Ard\xE8che\r\n": code, blank, 17 flags, blank, name in
// Windows-1252.  Throws std::runtime_error if a name has no 1252 form.
std::string formatDepartementLine(const Departement& departement);
std::string formatDepartementTemplate();

}  // namespace brivant::tools
