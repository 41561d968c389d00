#pragma once
// A contact as the entry form leaves it, for the tests of what is done with a
// whole contact (its check, its log line).

#include "core/QsoRecord.h"

namespace brivant::testing {

// A castle of a French station on 14 Mhz SSB, its reference as typed.
inline QsoFields frenchCastle() {
  return QsoFields{.date = "06/06/26",
                   .callsign = "F5ABC",
                   .start = "10:15",
                   .end = "10:16",
                   .departement = "59",
                   .locator = "JO10AA",
                   .band = "14 Mhz",
                   .mode = "SSB",
                   .rstSent = "59",
                   .rstReceived = "57",
                   .qth = "59045",
                   .firstName = "JEAN",
                   .points = "",
                   .distance = "",
                   .azimuth = "",
                   .activity = "1",  // Activite_A's item: CHATEAU
                   .castleName = "C. DE LILLE"};
}

}  // namespace brivant::testing
