#include "stats/DeptList.h"

#include "core/Language.h"
#include "core/QsoRecord.h"

namespace brivant {

namespace {

using namespace QsoLayout;

constexpr std::size_t CodeWidth = 2;

}  // namespace

std::string deptCodeOfBox(int box) {
  if (box == 96) return "2a";
  if (box == 97) return "2b";
  std::string code = std::to_string(box);
  if (code.size() < CodeWidth) code.insert(0, CodeWidth - code.size(), '0');
  return code;
}

std::vector<std::string> deptListLines(const std::vector<std::string>& listLines, std::string_view code) {
  std::vector<std::string> lines;
  for (const std::string& line : listLines) {
    if (listField(line, {Departement.column, CodeWidth, 0}) == code)
      lines.emplace_back(listLineFront(line, static_cast<std::size_t>(DeptListWidth)));
  }
  return lines;
}

QString deptListCountLine(bool french, std::size_t count, std::string_view code) {
  return QString::number(count) +
         pick(french, "  QSO(s) effectué(s) avec le département ", "  QSO(s) made with the Department ") +
         QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

QString deptListCaption(bool french) {
  return pick(french, "QSO(s) effectué(s) par département ", "QSO(s) made by department ");
}

QString deptListHeader(bool french) {
  return pick(french,
              "      N°    Date       Indicatif      Debut     Fin   Dpt                  Bande     Mode      RstS    "
              "     RstR          Ref Chateau",
              "      N°    Date       callsign       Start     End   Dpt                  Band      Mode      RstS    "
              "     RstR          Ref Castel");
}

}  // namespace brivant
