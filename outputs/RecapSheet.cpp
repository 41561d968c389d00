#include "outputs/RecapSheet.h"

#include <cmath>
#include <cstdio>

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/SettingsKeys.h"
#include "core/Text.h"
#include "outputs/OutputText.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "scoring/Points.h"

namespace brivant {

namespace {

std::string blanks(std::size_t count) { return std::string(count, ' '); }

std::string bytes(const QString& text) { return Cp1252::fromQString(text); }

// The keys in the order they are stored, with the box each one fills.
struct IdentityKey {
  const Settings::Key* key;
  QString RecapIdentity::*field;
};
const std::array<IdentityKey, 10> IdentityKeys{{
    {&Settings::Station::Name, &RecapIdentity::nom},
    {&Settings::Station::FirstName, &RecapIdentity::prenom},
    {&Settings::Station::Callsign, &RecapIdentity::indicatif},
    {&Settings::Station::Address1, &RecapIdentity::adresse1},
    {&Settings::Station::Address2, &RecapIdentity::adresse2},
    {&Settings::Station::Country, &RecapIdentity::pays},
    {&Settings::Station::Category, &RecapIdentity::categorie},
    {&Settings::Station::Reference, &RecapIdentity::reference},
    {&Settings::Station::Town, &RecapIdentity::commune},
    {&Settings::Station::Operators, &RecapIdentity::operateurs},
}};

std::string scoreRowLine(std::string_view label, const std::array<QString, RecapColumnCount>& cells) {
  std::string line = blanks(5) + padRight(label, 16);
  for (const QString& cell : cells) line += padRight(bytes(cell), 8);
  return line;
}

std::string categoryText(SheetCopy copy, bool french, const QString& category) {
  if (category == QLatin1String("1")) {
    return pickBytes(french, "Opérateur de Château en portable", "Operator Castle in /P");
  }
  if (category == QLatin1String("2")) {
    return pickBytes(french, "Opérateur de Château (Resident)", "Opérator Castle Resident");
  }
  if (category == QLatin1String("3")) {
    return pickBytes(french, copy == SheetCopy::Saved ? "Opérateur individuel" : "Autre opérateur et SWL",
                     "Other op’s and  SWL");
  }
  return {};
}

}  // namespace

std::string_view recapRowLabel(std::size_t row) {
  static constexpr std::array<std::string_view, RecapRowCount> Labels{
      "3.5 Mhz SSB", "7.0 Mhz SSS", "14 Mhz SSB", "21 Mhz SSB", "28 Mhz SSB",
      "3.5 Mhz CW",  "7.0 Mhz CW",  "14 Mhz CW ", "21 Mhz CW ", "28 Mhz CW "};
  return row < Labels.size() ? Labels[row] : std::string_view{};
}

RecapIdentityCaptions identityCaptions(bool french) {
  return {pick(french, "Nom", "Name"),
          pick(french, "Prenom", "First_name"),
          pick(french, "Indicatif", "Callsign"),
          QStringLiteral("Adresse 1"),
          QStringLiteral("Adresse 2"),
          pick(french, "Pays", "Country"),
          pick(french, "Reference et nom du Chateau", "Reference and name of Castle"),
          pick(french, "Nom de la commune", "Commune name"),
          pick(french, "Liste des opérateurs", "List of operators")};
}

RecapIdentity readIdentity(const SettingsStore& store, std::string_view stationCall) {
  RecapIdentity identity;
  for (const IdentityKey& entry : IdentityKeys) {
    identity.*entry.field = QString::fromStdString(Settings::getText(store, *entry.key, stationCall));
  }
  return identity;
}

Status storeIdentity(SettingsStore& store, std::string_view stationCall, const RecapIdentity& identity) {
  for (const IdentityKey& entry : IdentityKeys) {
    if (Status saved = Settings::save(store, *entry.key, stationCall, (identity.*entry.field).toStdString()); !saved) {
      return saved;
    }
  }
  return {};
}

Result<RecapCells> computeRecapCells(const std::filesystem::path& programDir, std::string_view stationCall) {
  Result<ScoreCounters> counted = countScore(programDir, stationCall, ActivityRule::FirstCharacterIsOne);
  if (!counted) return counted.error();
  RecapCells cells;
  std::array<long long, RecapColumnCount> totals{};
  for (std::size_t row = 0; row < RecapRowCount; ++row) {
    const std::size_t mode = row / ScoreBandLabels.size();
    const std::size_t band = row % ScoreBandLabels.size();
    const BandModeCounts& cell = counted->cell[mode][band];
    const std::array<long long, RecapColumnCount> values{cell.contacts,
                                                         static_cast<long long>(cell.contacts) * ScoreBandWeights[band],
                                                         cell.castleBonus, cell.departements, cell.prefixes};
    for (std::size_t column = 0; column < RecapColumnCount; ++column) {
      cells.rows[row][column] = QString::number(values[column]);
      totals[column] += values[column];
    }
  }
  for (std::size_t column = 0; column < RecapColumnCount; ++column)
    cells.totals[column] = QString::number(totals[column]);
  cells.totalPoints = totalPointsText(cells);
  return cells;
}

double basicValue(const QString& text) { return basicValue(Cp1252::fromQString(text)); }

QString basicNumberText(double value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    return QString::number(static_cast<long long>(value));
  }
  char text[40];
  std::snprintf(text, sizeof text, "%.15G", value);
  return QString::fromLatin1(text);
}

QString totalPointsText(const RecapCells& cells) {
  const double points = basicValue(cells.totals[1]);
  const double multiplier = basicValue(cells.totals[3]) + basicValue(cells.totals[2]) + basicValue(cells.totals[4]);
  return basicNumberText(points * multiplier);
}

std::optional<UnwritableText> findUnwritableText(const RecapIdentity& identity, const RecapCells& cells, bool french) {
  const auto check = [](const QString& text) { return Cp1252::firstUnencodable(text); };
  const RecapIdentityCaptions captions = identityCaptions(french);
  const std::array<std::pair<const QString*, const QString*>, 9> boxes{{
      {&identity.nom, &captions.nom},
      {&identity.prenom, &captions.prenom},
      {&identity.indicatif, &captions.indicatif},
      {&identity.adresse1, &captions.adresse1},
      {&identity.adresse2, &captions.adresse2},
      {&identity.pays, &captions.pays},
      {&identity.reference, &captions.reference},
      {&identity.commune, &captions.commune},
      {&identity.operateurs, &captions.operateurs},
  }};
  for (const auto& [text, caption] : boxes) {
    if (auto character = check(*text)) return UnwritableText{*caption, *character};
  }
  static constexpr std::array<const char*, RecapColumnCount> Columns{"QSO", "Point", "MCT", "MDP", "MPV"};
  for (std::size_t row = 0; row < RecapRowCount; ++row) {
    for (std::size_t column = 0; column < RecapColumnCount; ++column) {
      if (auto character = check(cells.rows[row][column])) {
        return UnwritableText{QString::fromLatin1(Columns[column]) + QString::number(row + 1), *character};
      }
    }
  }
  static constexpr std::array<const char*, RecapColumnCount> Totals{"Tot_QSO", "Tot_Points", "Tot_MC", "Tot_MD",
                                                                    "Tot_MP"};
  for (std::size_t column = 0; column < RecapColumnCount; ++column) {
    if (auto character = check(cells.totals[column]))
      return UnwritableText{QString::fromLatin1(Totals[column]), *character};
  }
  return std::nullopt;
}

QString unwritableTextMessage(bool french, const UnwritableText& problem) {
  return pick(french,
              "Le champ « %1 » contient le caractère « %2 », que le fichier ne peut pas "
              "contenir : remplacez-le avant d'enregistrer ou d'imprimer.",
              "The field \"%1\" holds the character \"%2\", which the file cannot hold: "
              "replace it before saving or printing.")
      .arg(problem.field, problem.character);
}

std::vector<std::string> recapSheetLines(SheetCopy copy, bool french, const RecapIdentity& identity,
                                         const RecapCells& cells, std::string_view jncDate,
                                         std::string_view revisionText) {
  const bool printed = copy == SheetCopy::Printed;
  std::vector<std::string> lines;
  lines.reserve(40);

  std::string title = blanks(pick<std::size_t>(french, 10, 20)) +
                      pickBytes(french, "Journée Nationale des Razeraro ", "Ravuzore Ruruzav Evu ");
  title += jncDate;
  if (printed) lines.emplace_back(" ");
  lines.push_back(title);
  lines.emplace_back(printed ? " " : "");

  lines.push_back(blanks(5) + pickBytes(french, "NOM : ", "Name : ") + bytes(identity.nom) + blanks(5) +
                  pickBytes(french, "Prénom : ", "First_name : ") + bytes(identity.prenom) + blanks(5) +
                  pickBytes(french, "Indicatif : ", "Callsign : ") + bytes(identity.indicatif));
  if (printed) lines.emplace_back();
  lines.push_back(blanks(5) + pickBytes(french, "Adresse : ", "Adress : ") + bytes(identity.adresse1));
  std::string address2 = blanks(15) + bytes(identity.adresse2);
  if (printed) {
    address2 += ' ';
    address2 += bytes(identity.pays);
  }
  lines.push_back(address2);
  lines.emplace_back();

  const std::string categoryLabel =
      printed ? pickBytes(french, "Catégorie : ", "Catégory : ") : pickBytes(french, "Categorie : ", "Category : ");
  lines.push_back(blanks(5) + categoryLabel + categoryText(copy, french, identity.categorie));
  lines.emplace_back();

  if (identity.categorie == QLatin1String("1") || identity.categorie == QLatin1String("2")) {
    lines.push_back(blanks(5) + pickBytes(french, "Référence et nom du Château : ", "Reference and name of Castle : ") +
                    bytes(identity.reference));
    lines.push_back(blanks(5) + pickBytes(french, "Nom de la commune : ", "Commune name : ") + bytes(identity.commune));
    const std::string operatorsLabel = pickBytes(french, "Opérateurs : ", printed ? "Operatos : " : "operators : ");
    lines.push_back(blanks(5) + operatorsLabel + bytes(identity.operateurs));
  }
  lines.emplace_back();

  lines.push_back(blanks(25) + pickBytes(french, "RECAPITULATIF", "Recapitulative sheet"));
  lines.emplace_back();
  lines.push_back(blanks(5) + pickBytes(french, " Bande         QSO    Points  M Chx   M Dpt   M DXCC",
                                        " Band          QSO    Points  M Chx   M Dpt   M DXCC"));
  lines.emplace_back();
  for (std::size_t row = 0; row < RecapRowCount; ++row)
    lines.push_back(scoreRowLine(recapRowLabel(row), cells.rows[row]));
  lines.push_back(blanks(5) + "144 Mhz   " + blanks(6) + blanks(40));
  lines.emplace_back();
  lines.push_back(scoreRowLine("  Total   ", cells.totals));
  lines.emplace_back();
  if (printed) lines.emplace_back();
  lines.push_back(blanks(20) + pickBytes(french, "TOTAL DES POINTS : ", "TOTAL POINTS : ") + bytes(cells.totalPoints));
  lines.emplace_back(printed ? " " : "");
  lines.push_back(blanks(25) + recapBanner(revisionText));
  return lines;
}

std::string recapFileName(std::string_view stationCall, std::string_view jncDate) {
  return jncFileName(stationCall, "Recapitulatif", jncDate);
}

QString recapSavedMessage(bool french, std::string_view stationCall, std::string_view fileName) {
  return jncSavedMessage(french, "La feuille récapitulative JNC de %1 a été sauvegardée sous le nom : %2", stationCall,
                         fileName);
}

ExportOutcome saveRecapSheet(const std::filesystem::path& programDir, std::string_view stationCall,
                             std::string_view jncDate, std::string_view revisionText, bool french,
                             const RecapIdentity& identity, const RecapCells& cells) {
  const std::string name = recapFileName(stationCall, jncDate);
  return writeOutputAndConfirm(
      outputPath(programDir, name),
      TextFile::joinLines(recapSheetLines(SheetCopy::Saved, french, identity, cells, jncDate, revisionText)), french,
      recapSavedMessage(french, stationCall, name));
}

}  // namespace brivant
