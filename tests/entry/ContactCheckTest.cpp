// The check of a whole contact before it is written: each field refused with
// the message its own Enter shows, in the order of entry, and never a contact
// that makes no log line.

#include <gtest/gtest.h>

#include <functional>

#include "entry/ContactCheck.h"
#include "tests/entry/ContactTestData.h"

namespace brivant {
namespace {

using testing::frenchCastle;

struct Case {
  const char* what;
  std::function<void(QsoFields&)> change;
  ContactCheckContext context;
  const char* expected;  // English; "" accepted; nullptr: the French castle's length message
};

TEST(ContactCheck, EachFieldIsRefusedAsItsOwnEnterRefusesIt) {
  const ContactCheckContext typed{std::string("F"), false, false};
  const ContactCheckContext abroad{std::string("ON"), false, false};
  const ContactCheckContext edited{std::nullopt, true, false};  // no lookup, the reference as stored
  const Case cases[] = {
      {"as typed", [](QsoFields&) {}, typed, ""},
      {"date", [](QsoFields& c) { c.date = "6/06/26"; }, typed, "Caution the date format should be dd/mm/yy"},
      {"impossible date", [](QsoFields& c) { c.date = "31/02/26"; }, typed,
       "Caution the date format should be dd/mm/yy"},
      {"start", [](QsoFields& c) { c.start = "10h15"; }, typed, "Caution the time format should be hh/mm"},
      {"callsign", [](QsoFields& c) { c.callsign.clear(); }, typed, "Please you must enter a callsign"},
      {"callsign long", [](QsoFields& c) { c.callsign = "F5ABCDEFGHIJK"; }, typed,
       "Caution 12 characters maximum for the callsign"},
      {"mode", [](QsoFields& c) { c.mode = "FM"; }, typed, "Attention mode must be only SSB or CW"},
      {"locator", [](QsoFields& c) { c.locator = "JO10AA12"; }, typed, "Caution 6 characters maximum for the locator"},
      {"activity", [](QsoFields& c) { c.activity = "-1"; }, typed, "Caution activity must be only CHATEAU or QSO"},
      {"end form", [](QsoFields& c) { c.end = "1016"; }, typed, "Caution 5 characters for time(format hh/mm)"},
      {"castle name", [](QsoFields& c) { c.castleName = std::string(31, 'C'); }, typed,
       "Caution maximum 30 characters for the name of the Castel"},
      {"1.8 Mhz", [](QsoFields& c) { c.band = "1.8 Mhz"; }, typed, ""},
      {"band", [](QsoFields& c) { c.band = "10 Mhz"; }, typed, "Caution You can only select the bands proposed"},
      {"departement of F", [](QsoFields& c) { c.departement.clear(); }, typed,
       "Caution number of department is mandatory for France"},
      {"castle abroad", [](QsoFields& c) { c.qth = "DCI UD116"; }, abroad,
       "Selectionnez 'QSO' pour un Chateau etranger"},
      {"end stamped by the save", [](QsoFields& c) { c.end.clear(); }, {std::string("F"), false, true}, ""},
      {"end", [](QsoFields& c) { c.end.clear(); }, typed, "Caution you must enter the end time of QSO"},
      {"report sent", [](QsoFields& c) { c.rstSent = "123456789"; }, typed,
       "Caution 8 characters maximum for the report sent"},
      {"reference empty", [](QsoFields& c) { c.qth.clear(); }, typed, "Caution Castle Reference is required"},
      {"reference with its DFCF", [](QsoFields& c) { c.qth = "DFCF 59045"; }, typed, nullptr},
      {"reference too long for its line", [](QsoFields& c) { c.qth = "DFCF 59045123456"; }, typed, nullptr},
      {"reference elsewhere", [](QsoFields& c) { c.qth = "62001"; }, typed,
       "Beware the number of the castle does not match the number of department 59"},
      {"Corsica", [](QsoFields& c) { c.departement = "2a", c.qth = "2A001"; }, typed, ""},
      {"foreign reference", [](QsoFields& c) { c.activity = "0", c.qth = "DCI UD116 BRUXEL"; }, abroad,
       "Caution 15 characters maximum for the Castle Reference"},
      {"a line end", [](QsoFields& c) { c.castleName = "C. DE\r\nLILLE"; }, typed,
       "Caution this QSO cannot be written in the log"},
      {"edited", [](QsoFields& c) { c.qth = "DFCF 59045"; }, edited, ""},
      {"edited number", [](QsoFields& c) { c.qth = "DFCF 1234567890123456"; }, edited, nullptr},
      {"edited foreign castle", [](QsoFields& c) { c.departement.clear(), c.qth = "DCI UD116"; }, edited, ""},
  };
  const QString frenchCastleLength = QStringLiteral(
      "              5 characters for a French castle ex: 59045\r\n"
      "Complete reference for a foreigner Castel ex: DCI UD116");
  for (const Case& c : cases) {
    QsoFields contact = frenchCastle();
    c.change(contact);
    const std::optional<ContactRefusal> found = checkContact(contact, c.context);
    const QString shown = found ? contactRefusalMessage(*found, false) : QString();
    EXPECT_EQ(shown, c.expected == nullptr ? frenchCastleLength : QString::fromUtf8(c.expected)) << c.what;
  }
}

// The first refusal in the order of entry names its field.
TEST(ContactCheck, TheFirstFieldRefusedIsNamed) {
  QsoFields contact = frenchCastle();
  contact.castleName = std::string(31, 'C');
  contact.rstSent.clear();
  const std::optional<ContactRefusal> found = checkContact(contact, {std::string("F"), false, false});
  ASSERT_TRUE(found);
  EXPECT_EQ(found->field, &QsoFields::rstSent);
  EXPECT_EQ(contactRefusalMessage(*found, true), QString::fromUtf8("Attention le report envoyé est obligatoire"));
}

}  // namespace
}  // namespace brivant
