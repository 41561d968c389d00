// The exported ADIF read back by an independent parser (adif-parser-ts, run
// with node): every field of every record must read back as the contact was
// logged.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <map>

#include "outputs/AdifExport.h"
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

TEST(AdifReadBackTest, EveryFieldOfEveryRecordReadsBackEqual) {
  const fs::path script = fixturesDir().parent_path() / "node" / "readAdif.js";
  if (std::system("command -v node >/dev/null 2>&1") != 0) GTEST_SKIP() << "node is not installed";
  if (!fs::exists(script.parent_path() / "node_modules" / "adif-parser-ts")) {
    GTEST_SKIP() << "adif-parser-ts is not installed in tests/node (run npm install there)";
  }

  TempDir dir;
  const std::vector<VariedContact> contacts = variedContacts();
  writeBytes(dir / "F6ABC.log", crlf(recordsOf(contacts)));
  ASSERT_TRUE(exportAdif(dir.path(), "F6ABC", true).ok);

  const fs::path json = dir / "read.json";
  const std::string command =
      "node '" + script.string() + "' '" + (dir / "F6ABC.adi").string() + "' > '" + json.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(readBytes(json)), &error);
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

}  // namespace
}  // namespace brivant
