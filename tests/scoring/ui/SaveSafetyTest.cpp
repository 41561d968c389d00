// A save appends to a log whose last line was cut short meanwhile: the
// fragment is set aside first and said, never glued to the new contact.

#include <gmock/gmock.h>

#include "core/Safeguards.h"
#include "tests/entry/ui/EntryTyping.h"

namespace brivant::testing {
namespace {

TEST_F(EntryTypingTest, ATornLastLineIsSetAsideBeforeTheContactIsAppended) {
  const std::string logged = loggedRecord("06/06/26", "F5AAA", "09:00", "3.5 Mhz", "SSB", "59");
  start({.log = {logged}});
  writeBytes(programDir / "F6ABC.log", crlf({logged}) + "06/06/26  F5ZZZ       09:0");
  dialogs.setLenient(true);
  answer("SSB");
  typeContact({.callsign = "dl1abc"});
  const std::vector<std::string> records = logRecords();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], logged);
  EXPECT_EQ(records[1].substr(10, 6), "DL1ABC");
  EXPECT_EQ(stationFile("_Lignes_Incompletes.txt"), "06/06/26  F5ZZZ       09:0\r\n");
  EXPECT_EQ(dialogs.texts().count(tornLogLineMessage(true, programDir.path(), "F6ABC")), 1);
}

}  // namespace
}  // namespace brivant::testing
