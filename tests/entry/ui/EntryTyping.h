#pragma once
// One whole contact typed field after field from the keyboard, from the
// callsign to "QSO Suivant".  The message boxes it raises are the test's to
// expect.

#include "tests/entry/ui/EntryWindow.h"

namespace brivant::testing {

struct TypedContact {
  const char* callsign = "";
  const char* departement = nullptr;  // only for a French station ("F")
  const char* activity = "QSO";
  // Manual dates only.
  const char* date = nullptr;
  const char* start = nullptr;
  const char* end = nullptr;          // nullptr: Enter takes the start time
  const char* rstReceived = nullptr;  // nullptr: Enter takes the default report
  const char* rstSent = nullptr;
  const char* firstName = "";
  const char* reference = nullptr;   // castles only
  const char* castleName = nullptr;  // nullptr: Enter keeps what the field shows
  bool save = true;
};

class EntryTypingTest : public EntryWindowTest {
 protected:
  // The focus is on the callsign (after the mode, or after a save).
  void typeContact(const TypedContact& c) {
    answer(c.callsign);
    if (c.departement != nullptr) answer(c.departement);
    answer(c.activity);
    if (c.date != nullptr) {
      answer(c.date);
      answer(c.start);
      if (c.end != nullptr)
        answer(c.end);
      else
        enter();
    }
    if (c.rstReceived != nullptr)
      answer(c.rstReceived);
    else
      enter();
    if (c.rstSent != nullptr)
      answer(c.rstSent);
    else
      enter();
    answer(c.firstName);
    if (c.reference != nullptr) answer(c.reference);
    if (c.castleName != nullptr)
      answer(c.castleName);
    else
      enter();
    if (c.save) enter();  // on "QSO Suivant"
  }
};

}  // namespace brivant::testing
