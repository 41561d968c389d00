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

ContactCheckContext typed(const char* prefix = "F") { return {std::string(prefix), false, false}; }
// An edited contact: no prefix looked up, the reference as stored.
ContactCheckContext edited() { return {std::nullopt, true, false}; }

QString refusal(const QsoFields& contact, const ContactCheckContext& context, bool french = false) {
  const std::optional<ContactRefusal> found = checkContact(contact, context);
  return found ? contactRefusalMessage(*found, french) : QString();
}

struct Case {
  const char* what;
  std::function<void(QsoFields&)> change;
  ContactCheckContext context;
  const char* expected;  // English; "" accepted
};

const QString FrenchReferenceLength = QStringLiteral(
    "              5 characters for a French castle ex: 59045\r\n"
    "Complete reference for a foreigner Castel ex: DCI UD116");

TEST(ContactCheck, EachFieldIsRefusedAsItsOwnEnterRefusesIt) {
  const Case cases[] = {
      {"as typed", [](QsoFields&) {}, typed(), ""},
      {"date", [](QsoFields& c) { c.date = "6/06/26"; }, typed(), "Caution the date format should be dd/mm/yy"},
      {"impossible date", [](QsoFields& c) { c.date = "31/02/26"; }, typed(),
       "Caution the date format should be dd/mm/yy"},
      {"start", [](QsoFields& c) { c.start = "10h15"; }, typed(), "Caution the time format should be hh/mm"},
      {"band", [](QsoFields& c) { c.band = "10 Mhz"; }, typed(), "Caution You can only select the bands proposed"},
      {"1.8 Mhz", [](QsoFields& c) { c.band = "1.8 Mhz"; }, typed(), ""},
      {"mode", [](QsoFields& c) { c.mode = "FM"; }, typed(), "Attention mode must be only SSB or CW"},
      {"callsign empty", [](QsoFields& c) { c.callsign.clear(); }, typed(), "Please you must enter a callsign"},
      {"callsign long", [](QsoFields& c) { c.callsign = "F5ABCDEFGHIJK"; }, typed(),
       "Caution 12 characters maximum for the callsign"},
      {"departement of F", [](QsoFields& c) { c.departement.clear(); }, typed(),
       "Caution number of department is mandatory for France"},
      {"departement long", [](QsoFields& c) { c.departement = "591"; }, typed("DL"),
       "Caution 2 characters for the department"},
      {"no departement abroad", [](QsoFields& c) { c.departement.clear(), c.activity = "0", c.qth.clear(); },
       typed("DL"), ""},
      {"locator", [](QsoFields& c) { c.locator = "JO10AA12"; }, typed(),
       "Caution 6 characters maximum for the locator"},
      {"activity", [](QsoFields& c) { c.activity = "-1"; }, typed(), "Caution activity must be only CHATEAU or QSO"},
      {"castle abroad", [](QsoFields& c) { c.qth = "DCI UD116"; }, typed("ON"),
       "Selectionnez 'QSO' pour un Chateau etranger"},
      {"end", [](QsoFields& c) { c.end = "1016"; }, typed(), "Caution 5 characters for time(format hh/mm)"},
      {"end empty", [](QsoFields& c) { c.end.clear(); }, typed(), "Caution you must enter the end time of QSO"},
      {"end stamped", [](QsoFields& c) { c.end.clear(); }, {std::string("F"), false, true}, ""},
      {"report received", [](QsoFields& c) { c.rstReceived.clear(); }, typed(),
       "Caution the report received is required"},
      {"report sent", [](QsoFields& c) { c.rstSent = "123456789"; }, typed(),
       "Caution 8 characters maximum for the report sent"},
      {"first name", [](QsoFields& c) { c.firstName = "JEAN-CHRISTOPHEX"; }, typed(),
       "Caution 15 characters maximum for the name"},
      {"reference empty", [](QsoFields& c) { c.qth.clear(); }, typed(), "Caution Castle Reference is required"},
      {"reference already prefixed", [](QsoFields& c) { c.qth = "DFCF 59045"; }, typed(), nullptr},
      {"reference too long for its line", [](QsoFields& c) { c.qth = "DFCF 59045123456"; }, typed(), nullptr},
      {"reference of TM", [](QsoFields& c) { c.qth = "5904"; }, typed("TM"), nullptr},
      {"reference elsewhere", [](QsoFields& c) { c.qth = "62001"; }, typed(),
       "Beware the number of the castle does not match the number of department 59"},
      {"Corsica", [](QsoFields& c) { c.departement = "2a", c.qth = "2A001"; }, typed(), ""},
      {"foreign reference", [](QsoFields& c) { c.activity = "0", c.qth = "DCI UD116 BRUXEL"; }, typed("ON"),
       "Caution 15 characters maximum for the Castle Reference"},
      {"castle name", [](QsoFields& c) { c.castleName = std::string(31, 'C'); }, typed(),
       "Caution maximum 30 characters for the name of the Castel"},
      {"a line end", [](QsoFields& c) { c.castleName = "C. DE\r\nLILLE"; }, typed(),
       "Caution this QSO cannot be written in the log"},
      // An edit: the reference as stored, checked by its number.
      {"edited", [](QsoFields& c) { c.qth = "DFCF 59045"; }, edited(), ""},
      {"edited number", [](QsoFields& c) { c.qth = "DFCF 1234567890123456"; }, edited(), nullptr},
      {"edited castle elsewhere", [](QsoFields& c) { c.qth = "DFCF 62001"; }, edited(),
       "Beware the number of the castle does not match the number of department 59"},
      {"edited foreign castle", [](QsoFields& c) { c.departement.clear(), c.qth = "DCI UD116"; }, edited(), ""},
      {"edited plain contact", [](QsoFields& c) { c.activity = "0", c.departement.clear(); }, edited(), ""},
  };
  for (const Case& c : cases) {
    QsoFields contact = frenchCastle();
    c.change(contact);
    const QString expected = c.expected == nullptr ? FrenchReferenceLength : QString::fromUtf8(c.expected);
    EXPECT_EQ(refusal(contact, c.context), expected) << c.what;
  }
}

TEST(ContactCheck, TheFirstFieldRefusedIsNamedInTheOrderOfEntry) {
  QsoFields contact = frenchCastle();
  contact.castleName = std::string(31, 'C');
  contact.rstSent.clear();
  contact.band = "10 Mhz";
  std::optional<ContactRefusal> found = checkContact(contact, typed());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->field, &QsoFields::band);
  contact.band = "14 Mhz";
  found = checkContact(contact, typed());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->field, &QsoFields::rstSent);
  EXPECT_EQ(contactRefusalMessage(*found, true), QString::fromUtf8("Attention le report envoyé est obligatoire"));
  contact.rstSent = "59";
  contact.qth = "DFCF 59045";
  found = checkContact(contact, typed());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->field, &QsoFields::qth);
  EXPECT_TRUE(contactRefusalMessage(*found, true).startsWith(QStringLiteral("            5 caracteres")));
}

}  // namespace
}  // namespace brivant
