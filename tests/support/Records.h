#pragma once
// A plain logged contact for tests that need log lines but not their
// details: 14 Mhz SSB, reports 59, 3 points, no activity.

#include <string>
#include <string_view>

#include "core/QsoRecord.h"

namespace brivant::testing {

inline std::string plainRecord(std::string_view callsign, std::string_view date = "06/06/26",
                               std::string_view start = "08:00") {
  QsoFields f;
  f.date = date;
  f.callsign = callsign;
  f.start = f.end = start;
  f.band = "14 Mhz";
  f.mode = "SSB";
  f.rstSent = f.rstReceived = "59";
  f.points = "3";
  f.activity = "0";
  return *buildQsoRecord(f);
}

}  // namespace brivant::testing
