#include <gtest/gtest.h>

#include "core/QsoRecord.h"
#include "entry/EditContact.h"

namespace brivant {
namespace {

TEST(EditContact, EveryFieldComesBackFromItsColumns) {
  QsoFields f;
  f.date = "06/06/26";
  f.callsign = "F5ABCDEFGHIJ";  // 12 characters, touching the start time
  f.start = "10:15";
  f.end = "10:17";
  f.departement = "2a";
  f.locator = "JN18EU";
  f.band = "144 Mhz";
  f.mode = "CW";
  f.rstSent = "599";
  f.rstReceived = "579";
  f.qth = "59045";
  f.dfcfReference = true;
  f.firstName = "JEAN-CHRISTOPHE";
  f.points = "312";
  f.marker = "3                   ";
  f.distance = "312";
  f.azimuth = "45";
  f.activity = "1";
  f.castleName = "C. DE LA ROCHE";
  const EditedContact c = editedContactOf(QsoListLine(1234, *buildQsoRecord(f)));
  EXPECT_EQ(c.number, "1234");
  EXPECT_EQ(c.date, "06/06/26");
  EXPECT_EQ(c.callsign, "F5ABCDEFGHIJ");
  EXPECT_EQ(c.start, "10:15");
  EXPECT_EQ(c.end, "10:17");
  EXPECT_EQ(c.departement, "2a");
  EXPECT_EQ(c.locator, "JN18EU");
  EXPECT_EQ(c.band, "144 Mhz");
  EXPECT_EQ(c.mode, "CW");
  EXPECT_EQ(c.rstSent, "599");
  EXPECT_EQ(c.rstReceived, "579");
  EXPECT_EQ(c.reference, "DFCF 59045");
  EXPECT_EQ(c.firstName, "JEAN-CHRISTOPHE");
  EXPECT_EQ(c.points, "312");
  EXPECT_EQ(c.activityIndex, 1);
  EXPECT_EQ(c.castleName, "C. DE LA ROCHE");
}

TEST(EditContact, ShortLineAndOddActivity) {
  const EditedContact c = editedContactOf("   12 06/06/26  F5ABC");
  EXPECT_EQ(c.number, "12");
  EXPECT_EQ(c.callsign, "F5ABC");
  EXPECT_EQ(c.band, "");
  EXPECT_EQ(c.activityIndex, 0);
}

}  // namespace
}  // namespace brivant
