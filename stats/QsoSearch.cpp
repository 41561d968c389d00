#include "stats/QsoSearch.h"

#include "core/QsoRecord.h"
#include "core/Text.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

using namespace QsoLayout;

// The keys the search compares: only the first ten characters of the
// callsign and the first fifteen of the reference ("DFCF " included) count.
constexpr std::size_t CallsignKeyWidth = 10;
constexpr std::size_t ReferenceKeyWidth = 15;
constexpr std::size_t DepartementKeyWidth = 2;

struct Criterion {
  std::size_t maxLength;  // one more is refused
  const char* tooLong;
  const char* empty;
};

Criterion criterionOf(SearchBy by) {
  switch (by) {
    case SearchBy::Callsign:
      return {12, "Attention 12 caracteres maxi pour l'indicatif", "Entrez un indicatif"};
    case SearchBy::Reference:
      return {15, "Attention 15 caracteres maxi pour la reference", "Entrez une reference"};
    case SearchBy::Departement:
      break;
  }
  return {2, "Attention 2 caracteres maxi pour le departement", "Entrez un departement"};
}

std::string_view withoutLeadingCrLf(std::string_view text) {
  if (text.starts_with("\r\n")) text.remove_prefix(2);
  return text;
}

bool hit(std::string_view listLine, SearchBy by, std::string_view value) {
  switch (by) {
    case SearchBy::Callsign:
      return listFieldTrimmed(listLine, {Callsign.column, CallsignKeyWidth, 0}).find(value) != std::string::npos;
    case SearchBy::Reference:
      return listFieldTrimmed(listLine, {Qth.column, ReferenceKeyWidth, 0}).find(value) != std::string::npos;
    case SearchBy::Departement:
      break;
  }
  return listField(listLine, {Departement.column, DepartementKeyWidth, 0}) == value;
}

// The first 134 characters (one more past contact 99,999), blank-padded when
// the line is shorter.
std::string resultKey(std::string_view line) {
  const auto width = static_cast<std::size_t>(SearchResultWidth);
  return padRight(listLineFront(line, width), width + listRecordStart(line) - ListOffset);
}

}  // namespace

std::optional<QString> searchValueRefusal(SearchBy by, std::string_view typed) {
  const Criterion criterion = criterionOf(by);
  if (typed.size() > criterion.maxLength) return QString::fromUtf8(criterion.tooLong);
  if (typed.empty()) return QString::fromUtf8(criterion.empty);
  return std::nullopt;
}

QString emptySearchValueMessage(SearchBy by) { return QString::fromUtf8(criterionOf(by).empty); }

QString noQsoFoundMessage() { return QStringLiteral("Pas de QSO trouvé"); }

SearchOutcome Cherche_QSO(const std::vector<std::string>& listLines, SearchBy by, std::string_view value) {
  SearchOutcome outcome;
  std::string wanted(withoutLeadingCrLf(value));
  if (wanted.empty()) {
    outcome.message = emptySearchValueMessage(by);
    return outcome;
  }
  if (by != SearchBy::Departement) wanted = Cp1252::upperAscii(wanted);
  outcome.ran = true;
  for (const std::string& line : listLines) {
    if (hit(line, by, wanted)) outcome.results.push_back(searchResultLine(line));
  }
  if (outcome.results.empty()) outcome.message = noQsoFoundMessage();
  return outcome;
}

std::string searchResultLine(std::string_view listLine) {
  std::string line = resultKey(listLine);
  switch (listField(listLine, {Marker.column, 1, 0}).front()) {
    case '1':
      line += 'S';
      break;
    case '2':
      line += 'E';
      break;
    case '3':
      line += 'R';
      break;
    case '4':
      line += 'C';
      break;
    default:
      // A marker of no known level: a blank keeps the lines the same length.
      line += ' ';
      break;
  }
  return line;
}

std::optional<int> rowOfSearchResult(const std::vector<std::string>& listLines, std::string_view resultLine) {
  const std::string picked = resultKey(resultLine);
  for (std::size_t i = listLines.size(); i-- > 0;) {
    if (resultKey(listLines[i]) == picked) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace brivant
