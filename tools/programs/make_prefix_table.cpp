// Writes the prefix template from the DXCC country file, choosing the lines
// with a sample of real callsigns.
//   make_prefix_table <cty.dat> <MASTER.SCP> <FXXXX_Prefixe.txt>

#include <cstdio>

#include "tools/CountryFile.h"
#include "tools/PrefixTable.h"
#include "tools/ToolFiles.h"

int main(int argc, char** argv) {
  using namespace brivant::tools;
  return runGenerator(argc, argv, 3, "<cty.dat> <MASTER.SCP> <output FXXXX_Prefixe.txt>", [](char** args) {
    const CountryFile country = CountryFile::parse(readWholeFile(args[0]));
    const auto sample = parseSampleCalls(readWholeFile(args[1]));
    const PrefixTable table = buildPrefixTable(country, sample);
    writeWholeFile(args[2], formatTable(table.lines));
    std::printf("%zu lines (%zu main and French, %zu measured, %zu fill), %zu bytes\n", table.lines.size(),
                table.mandatoryLines, table.measuredLines, table.fillLines, PrefixTemplateBytes);
    std::printf("%zu of %zu sample calls resolved as the country file does (%.3f %%)\n", table.accuracy.correct,
                table.accuracy.calls, 100.0 * table.accuracy.share());
  });
}
