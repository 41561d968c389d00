#pragma once
// A contact of the log as the main window's list holds it, for the greying of
// spots already worked.

#include <string>

#include "core/QsoRecord.h"

namespace brivant::testing {

inline std::string loggedLine(const char* callsign, const char* band, const char* mode) {
  QsoFields fields;
  fields.date = "06/06/26";
  fields.callsign = callsign;
  fields.start = fields.end = "07:00";
  fields.band = band;
  fields.mode = mode;
  fields.activity = "0";
  return QsoListLine(1, *buildQsoRecord(fields));
}

}  // namespace brivant::testing
