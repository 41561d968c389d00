// The exported ADIF read back by an independent parser (adif-parser-ts, run
// with node): every field of every record must read back as the contact was
// logged.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <map>

#include "core/Bands.h"
#include "outputs/AdifExport.h"
#include "platform/Cp1252.h"
#include "tests/outputs/OutputsTestData.h"

namespace brivant {
namespace {

using namespace testing;

// The values as the parser sees them: one character per byte.
QString asRead(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::map<QString, QString> expectedFields(const VariedContact& contact) {
  const QsoFields& f = contact.fields;
  std::map<QString, QString> fields{
      {QStringLiteral("call"), asRead(f.callsign)},
      {QStringLiteral("band"), asRead(contact.band)},
      {QStringLiteral("mode"), asRead(f.mode)},
      {QStringLiteral("qso_date"), asRead(contact.qsoDate)},
      {QStringLiteral("time_on"), asRead(contact.timeOn)},
      {QStringLiteral("time_off"), asRead(contact.timeOff)},
      {QStringLiteral("rst_sent"), asRead(f.rstSent)},
      {QStringLiteral("rst_rcvd"), asRead(f.rstReceived)},
  };
  if (!contact.state.empty()) fields[QStringLiteral("state")] = asRead(contact.state);
  if (!contact.comment.empty()) fields[QStringLiteral("comment")] = asRead(contact.comment);
  return fields;
}

// A reader of tests/node, with node and its package installed (the test
// command installs both).
fs::path nodeScript(const char* script, const char* package) {
  const fs::path path = fixturesDir().parent_path() / "node" / script;
  EXPECT_EQ(std::system("command -v node >/dev/null 2>&1"), 0) << "node is not installed";
  EXPECT_TRUE(fs::exists(path.parent_path() / "node_modules" / package))
      << package << " is not installed in tests/node (run npm install there)";
  return path;
}

// What a command printed on its standard output, and its exit status.
std::pair<int, std::string> run(const std::string& command, const fs::path& output) {
  const int status = std::system((command + " > '" + output.string() + "'").c_str());
  return {status, readBytes(output)};
}

TEST(AdifReadBackTest, EveryFieldOfEveryRecordReadsBackEqual) {
  const fs::path script = nodeScript("readAdif.js", "adif-parser-ts");
  if (::testing::Test::HasFailure()) return;

  TempDir dir;
  const std::vector<VariedContact> contacts = variedContacts();
  writeBytes(dir / "F6ABC.log", crlf(recordsOf(contacts)));
  ASSERT_TRUE(exportAdif(dir.path(), "F6ABC", true).ok);

  const auto [status, json] = run("node '" + script.string() + "' '" + (dir / "F6ABC.adi").string() + "'", dir / "out");
  ASSERT_EQ(status, 0);
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();

  EXPECT_EQ(document[QStringLiteral("headerText")].toString(),
            QStringLiteral("Exportation du carnet de trafic J.E.C. de F6ABC au format ADIF\r\n\r\nTolvane"));
  const QJsonArray records = document[QStringLiteral("records")].toArray();
  ASSERT_EQ(records.size(), static_cast<qsizetype>(contacts.size()));
  for (std::size_t i = 0; i < contacts.size(); ++i) {
    const QJsonObject record = records[static_cast<qsizetype>(i)].toObject();
    std::map<QString, QString> read;
    for (auto it = record.begin(); it != record.end(); ++it) read[it.key()] = it.value().toString();
    EXPECT_EQ(read, expectedFields(contacts[i])) << "record " << i + 1;
  }
}

// A strict ADIF 3 reader (tcadif) checks every field's type and format: the
// varied log, a contact on each of the 17 bands in both modes, accents and a
// contact without end time must all pass it.
TEST(AdifReadBackTest, StrictReaderTakesEveryRecord) {
  const fs::path script = nodeScript("checkAdifStrict.js", "tcadif");
  if (::testing::Test::HasFailure()) return;

  std::vector<std::string> records = recordsOf(variedContacts());
  for (std::size_t i = 0; i < Bands.size(); ++i) {
    const std::string call = "F" + std::to_string(i + 1) + "BND";
    const char* mode = i % 2 == 0 ? "SSB" : "CW";
    records.push_back(buildQsoRecord(contactFields("20/05/13", call, "14:00", "14:05", "", Bands[i].label, mode, "59",
                                                   "59", "", Cp1252::fromUtf8("MOULIN À VENT"), false))
                          .value());
  }
  for (const bool french : {true, false}) {
    TempDir dir;
    writeBytes(dir / "F6ABC.log", crlf(records));
    ASSERT_TRUE(exportAdif(dir.path(), "F6ABC", french).ok);
    const auto [status, printed] =
        run("node '" + script.string() + "' '" + (dir / "F6ABC.adi").string() + "'", dir / "out");
    EXPECT_EQ(status, 0) << printed;
    EXPECT_EQ(printed, std::to_string(records.size()) + " records\n");
  }
}

// The files of other programs the import tests read, as two independent
// readers take them: the well-formed ones are ADIF 3 as the strict reader
// checks it, with the records the import counts; the strict reader refuses
// the others for what they are made to hold, and the lenient one merges the
// records whose lengths run into the next tag, where the import reports each.
TEST(AdifReadBackTest, TheOtherProgramsFixturesAsIndependentReadersTakeThem) {
  const fs::path strict = nodeScript("checkAdifStrict.js", "tcadif");
  const fs::path lenient = nodeScript("readAdif.js", "adif-parser-ts");
  if (::testing::Test::HasFailure()) return;
  const struct {
    const char* file;
    const char* strictly;  // what the strict reader prints
    qsizetype leniently;   // records the lenient reader finds
  } cases[] = {
      {"other_logger.adi", "7 records\n", 7},
      {"online_logbook.adi", "8 records\n", 8},
      {"digital_modes.adi", "4 records\n", 4},
      {"field_logger.adi", "6 records\n", 5},  // without <eoh>, the lenient one takes the first for a header
      {"contest_logger.adi", "refused: field enumeration check failed; field BAND; value \"11M\"\n", 10},
      {"miscounted_lengths.adi", "refused: data type check failed; field NAME; value \"H\xE9l\xE8ne\"\n", 5},
      {"malformed_tags.adi",
       "refused: QSO missing one or more required fields: QSO_DATE, TIME_ON, CALL, BAND or FREQ, MODE; field "
       "undefined; value undefined\n",
       2},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const fs::path fixture = fixturesDir() / "outputs" / "import" / c.file;
    const auto [status, printed] = run("node '" + strict.string() + "' '" + fixture.string() + "'", dir / "out");
    EXPECT_EQ(QString::fromUtf8(printed), QString::fromLatin1(c.strictly)) << c.file;
    const auto [read, json] = run("node '" + lenient.string() + "' '" + fixture.string() + "'", dir / "out");
    ASSERT_EQ(read, 0) << c.file;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json));
    EXPECT_EQ(document[QStringLiteral("records")].toArray().size(), c.leniently) << c.file;
  }
}

}  // namespace
}  // namespace brivant
