// Writes the departement template.
//   make_departement_template <FXXXX_Departement.txt>

#include <cstdio>

#include "tools/DepartementTemplate.h"
#include "tools/ToolFiles.h"

int main(int argc, char** argv) {
  using namespace brivant::tools;
  return runGenerator(argc, argv, 1, "<output FXXXX_Departement.txt>", [](char** args) {
    writeWholeFile(args[0], formatDepartementTemplate());
    std::printf("%zu departements\n", departements().size());
  });
}
