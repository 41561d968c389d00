#pragma once
// A contact of the log as the main window's list holds it, for the greying of
// spots already worked, and a spot that fits the list's columns.

#include <string>

#include "cluster/Spot.h"
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

inline Spot fittingSpot(const char* date, const char* dx, const char* qrg, const char* spotter = "F5XYZ",
                        const char* remarks = "CQ") {
  return *fittedSpot(date, dx, qrg, spotter, remarks);
}

}  // namespace brivant::testing
