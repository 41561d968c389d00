#pragma once
// Logs and tally files for the output tests: a varied log (the cases the
// exports and listings must get right) and the recapitulative sheet's worked
// example.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/QsoRecord.h"
#include "platform/Cp1252.h"
#include "tests/support/TestFiles.h"

namespace brivant::testing {

// One contact and what its ADIF record must carry (values as 1252 bytes;
// an empty state or comment means the tag is absent).
struct VariedContact {
  QsoFields fields;
  std::string band, qsoDate, timeOn, timeOff, state, comment;
};

inline QsoFields contactFields(std::string_view date, std::string_view call, std::string_view start,
                               std::string_view end, std::string_view dept, std::string_view band,
                               std::string_view mode, std::string_view sent, std::string_view received,
                               std::string_view qth, std::string_view castle, bool castleActivity) {
  QsoFields f;
  f.date = date;
  f.callsign = call;
  f.start = start;
  f.end = end;
  f.departement = dept;
  f.band = band;
  f.mode = mode;
  f.rstSent = sent;
  f.rstReceived = received;
  f.qth = qth;
  f.castleName = castle;
  f.activity = castleActivity ? "1" : "0";
  f.points = "1";
  return f;
}

inline std::vector<VariedContact> variedContacts() {
  const std::string accented = Cp1252::fromUtf8("CHÂTEAU D'ÉPERNAY");
  std::vector<VariedContact> contacts{
      // The example record of the ADIF format.
      {contactFields("19/05/13", "FXXXX", "08:12", "08:14", "59", "14 Mhz", "CW", "599", "579", "DFCF 59045", "", true),
       "20m", "20130519", "0812", "0814", "59", "DFCF 59045 "},
      // A foreign station: no departement, no reference, no castle name.
      {contactFields("19/05/13", "DL1ABC", "09:00", "09:05", "", "7.0 Mhz", "SSB", "59", "57", "", "", false), "40m",
       "20130519", "0900", "0905", "", ""},
      // Corsica as written in the log; only a castle name.
      {contactFields("19/05/13", "TK5EP", "09:10", "09:12", "2a", "21 Mhz", "SSB", "59", "58", "",
                     "CHATEAU DE LA ROCCA", false),
       "15m", "20130519", "0910", "0912", "2a", " CHATEAU DE LA ROCCA"},
      // No end time.
      {contactFields("19/05/13", "F6XYZ", "10:00", "", "75", "28 Mhz", "SSB", "59", "59", "", "", false), "10m",
       "20130519", "1000", "", "75", ""},
      // Accented castle name: one character per byte.
      {contactFields("19/05/13", "F5ABC", "10:30", "10:31", "51", "3.5 Mhz", "CW", "599", "599", "DFCF 51001", accented,
                     true),
       "80m", "20130519", "1030", "1031", "51", "DFCF 51001 CHATEAU D'EPERNAY"},
      // The 1.8 Mhz band, typed in the entry.
      {contactFields("19/05/13", "F8AAA", "11:00", "11:02", "33", "1.8 Mhz", "CW", "599", "589", "", "", false), "160m",
       "20130519", "1100", "1102", "33", ""},
      // A band the entry does not offer still has its ADIF band.
      {contactFields("19/05/13", "G3ZZZ", "11:05", "11:06", "", "10 Mhz", "CW", "599", "599", "", "", false), "30m",
       "20130519", "1105", "1106", "", ""},
      // The century is always 20.
      {contactFields("31/12/99", "ON4XX", "23:59", "23:59", "", "14 Mhz", "SSB", "59", "59", "DCI UD116", "", false),
       "20m", "20991231", "2359", "2359", "", "DCI UD116 "},
      // A 12-character callsign and a 20-character reference.
      {contactFields("20/05/13", "EA8/F4ABCD/P", "12:00", "12:03", "13", "14 Mhz", "SSB", "59", "59",
                     "DFCF ABCDEFGHIJKLMNO", "MOULIN", true),
       "20m", "20130520", "1200", "1203", "13", "DFCF ABCDEFGHIJKLMNO MOULIN"},
      // A band that keeps its locator.
      {contactFields("20/05/13", "F1VHF", "13:00", "13:10", "59", "144 Mhz", "SSB", "59", "59", "", "", false), "2m",
       "20130520", "1300", "1310", "59", ""},
  };
  contacts.back().fields.locator = "JO10AB";
  return contacts;
}

inline std::vector<std::string> recordsOf(const std::vector<VariedContact>& contacts) {
  std::vector<std::string> records;
  for (const VariedContact& contact : contacts) records.push_back(buildQsoRecord(contact.fields).value());
  return records;
}

inline std::string simpleRecord(std::string_view call, std::string_view band, std::string_view mode, bool castle,
                                std::string_view start = "08:00") {
  return buildQsoRecord(contactFields("19/05/13", call, start, start, "59", band, mode, "59", "59",
                                      castle ? "DFCF 59045" : "", "", castle))
      .value();
}

// Tally lines with flag "1" on the given bands (indices among the 17 labels).
inline std::string deptTallyLine(std::string_view code, std::initializer_list<int> bands) {
  std::string flags(17, '0');
  for (int band : bands) flags[static_cast<std::size_t>(band)] = '1';
  return std::string(code) + " " + flags + " Departement";
}
inline std::string prefixTallyLine(std::string_view prefix, std::initializer_list<int> bands) {
  std::string flags(17, '0');
  for (int band : bands) flags[static_cast<std::size_t>(band)] = '1';
  std::string line = std::string(prefix) + std::string(7 - prefix.size(), ' ') + flags;
  return line + "  " + std::string(prefix) + std::string(6 - prefix.size(), ' ') + " Entity";
}

// Band indices among the tally columns.
inline constexpr int Band3_5 = 1, Band7 = 2, Band14 = 4, Band21 = 6, Band28 = 8;

// The worked example of the sheet: three SSB contacts on 14 Mhz (one with a
// castle) and one CW contact on 7.0 Mhz; the SSB files flag 2 departements
// and 1 prefix on 14 Mhz, the CW files 1 departement and 1 prefix on 7.0 Mhz.
// Score 10 x (3 + 10 + 2) = 150.
inline void writeWorkedExample(const fs::path& programDir, std::string_view call) {
  const std::string c(call);
  writeBytes(programDir / (c + ".log"), crlf({simpleRecord("F5AAA", "14 Mhz", "SSB", false, "08:00"),
                                              simpleRecord("F5BBB", "14 Mhz", "SSB", true, "08:05"),
                                              simpleRecord("F5CCC", "14 Mhz", "SSB", false, "08:10"),
                                              simpleRecord("DL1AA", "7.0 Mhz", "CW", false, "08:20"),
                                              // Not one of the ten rows: counted nowhere.
                                              simpleRecord("F5DDD", "1.8 Mhz", "SSB", true, "08:30")}));
  writeBytes(programDir / (c + "_Departement_SSB.txt"),
             crlf({deptTallyLine("59", {Band14}), deptTallyLine("62", {Band14}), deptTallyLine("75", {})}));
  writeBytes(programDir / (c + "_Departement_CW.txt"), crlf({deptTallyLine("59", {Band7}), deptTallyLine("62", {})}));
  writeBytes(programDir / (c + "_Prefixe_SSB.txt"), crlf({prefixTallyLine("F", {Band14}), prefixTallyLine("DL", {})}));
  writeBytes(programDir / (c + "_Prefixe_CW.txt"), crlf({prefixTallyLine("F", {}), prefixTallyLine("DL", {Band7})}));
}

// An empty log with tallies that flag nothing.
inline void writeEmptyStation(const fs::path& programDir, std::string_view call) {
  const std::string c(call);
  writeBytes(programDir / (c + ".log"), "");
  for (const char* suffix : {"_Departement_SSB.txt", "_Departement_CW.txt"}) {
    writeBytes(programDir / (c + suffix), crlf({deptTallyLine("59", {})}));
  }
  for (const char* suffix : {"_Prefixe_SSB.txt", "_Prefixe_CW.txt"}) {
    writeBytes(programDir / (c + suffix), crlf({prefixTallyLine("F", {})}));
  }
}

}  // namespace brivant::testing
