#include "bench/support/GeneratedLog.h"

#include <array>
#include <random>
#include <stdexcept>

#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant::bench {

namespace fs = std::filesystem;

namespace {

// Only raw mt19937 output is used (never a std:: distribution), so the same
// seed gives the same log with every standard library.
class Draw {
 public:
  explicit Draw(std::uint32_t seed) : engine_(seed) {}
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }
  bool chance(unsigned percent) { return below(100) < percent; }
  template <class T, std::size_t N>
  const T& from(const std::array<T, N>& items) {
    return items[below(N)];
  }
  char letter() { return static_cast<char>('A' + below(26)); }
  char digit() { return static_cast<char>('0' + below(10)); }

 private:
  std::mt19937 engine_;
};

struct BandChoice {
  std::string_view label;
  std::string_view points;
};
constexpr std::array<BandChoice, 5> MainBands{
    {{"3.5 Mhz", "1"}, {"7.0 Mhz", "1"}, {"14 Mhz", "3"}, {"21 Mhz", "4"}, {"28 Mhz", "5"}}};
// Labels a log can hold besides the five bands of the entry.
constexpr std::array<BandChoice, 3> OddBands{{{"1.8 Mhz", "1"}, {"10 Mhz", "1"}, {"144 Mhz", ""}}};

constexpr std::array<std::string_view, 10> FrenchPrefixes{"F", "F", "F", "F", "TM", "TH", "TP", "TV", "HW", "TO"};
constexpr std::array<std::string_view, 16> ForeignPrefixes{"DL", "G",  "ON", "EA", "I",  "HB9", "PA", "OE",
                                                           "SP", "OK", "LX", "9A", "S5", "UA",  "JA", "W"};
// Prefixes no DXCC entity has, as a mistyped or unusual callsign gives.
constexpr std::array<std::string_view, 3> UnknownPrefixes{"Q", "0Z", "1B"};
constexpr std::array<std::string_view, 8> FirstNames{"JEAN",    "MARIE",  "PIERRE", "ANNE",
                                                     "JACQUES", "CLAUDE", "MICHEL", "FRANCOISE"};
constexpr std::array<std::string_view, 6> CastleNames{"Chateau de Robersart", "Chateau de Kerjean", "Fort la Latte",
                                                      "Chateau d'Olhain",     "Donjon de Vez",      "Tour de Crest"};
constexpr std::array<std::string_view, 5> Places{"Lille", "Quimper", "Lyon", "Nancy", "Ajaccio"};

std::string callsignFor(Draw& draw, std::string_view prefix) {
  std::string call(prefix);
  if (prefix.back() < '0' || prefix.back() > '9') call += draw.digit();
  for (std::size_t i = 0, n = 2 + draw.below(2); i < n; ++i) call += draw.letter();
  if (draw.chance(3)) call += "_P";  // portable, stored with "_"
  return call;
}

std::string departementFor(Draw& draw, bool corsica) {
  if (corsica) return draw.chance(50) ? "2a" : "2b";
  std::size_t number = 1 + draw.below(95);
  if (number == 20) number = 21;  // 20 is written 2a / 2b
  return number < 10 ? "0" + std::to_string(number) : std::to_string(number);
}

std::string timeOfMinute(std::size_t minute) {
  const auto two = [](std::size_t v) { return std::string(1, char('0' + v / 10)) + char('0' + v % 10); };
  return two(minute / 60 % 24) + ":" + two(minute % 60);
}

}  // namespace

std::vector<std::string> generateLogRecords(const GeneratedLogOptions& options) {
  Draw draw(options.seed);
  std::vector<std::string> records;
  records.reserve(options.contacts);
  for (std::size_t i = 0; i < options.contacts; ++i) {
    // Spread over the day; several contacts share a minute in a big log.
    const std::size_t minute = options.contacts == 0 ? 0 : i * 1440 / options.contacts;
    const BandChoice band = draw.chance(2) ? draw.from(OddBands) : draw.from(MainBands);
    const bool cw = draw.chance(35);

    QsoFields f;
    f.date = options.date;
    f.start = timeOfMinute(minute);
    f.end = timeOfMinute(minute + draw.below(2));
    f.band = std::string(band.label);
    f.mode = cw ? "CW" : "SSB";
    f.rstSent = cw ? "599" : "59";
    const char strength = static_cast<char>('5' + draw.below(5));
    f.rstReceived = cw ? std::string{'5', strength, '9'} : std::string{'5', strength};
    f.points = std::string(band.points);
    f.firstName = draw.chance(60) ? std::string(draw.from(FirstNames)) : "";
    if (!isHfBand(f.band)) {
      f.locator = "JN" + std::to_string(10 + draw.below(10)) + "GU";
      f.distance = std::to_string(50 + draw.below(500));
      f.azimuth = std::to_string(draw.below(360));
      if (f.band == "144 Mhz") f.points = f.distance;  // points are the distance there
    }

    const std::size_t kind = draw.below(100);
    std::string prefix;
    if (kind < 55) {  // a French station
      const bool corsica = draw.chance(4);
      prefix = corsica ? "TK" : std::string(draw.from(FrenchPrefixes));
      f.departement = departementFor(draw, corsica);
    } else if (kind < 95) {
      prefix = std::string(draw.from(ForeignPrefixes));
    } else {
      prefix = std::string(draw.from(UnknownPrefixes));
    }
    f.callsign = callsignFor(draw, prefix);

    const bool castle = draw.chance(20);
    f.activity = castle ? "1" : "0";
    if (castle) {
      f.castleName = std::string(draw.from(CastleNames));
      if (!f.departement.empty()) {
        // Departement (Corsica in capitals) and a three-digit castle number.
        const std::size_t number = 1 + draw.below(300);
        f.qth = Cp1252::upperAscii(f.departement);
        f.qth += std::string{char('0' + number / 100), char('0' + number / 10 % 10), char('0' + number % 10)};
        f.dfcfReference = takesDfcfPrefix("CHATEAU", prefix);
      } else {
        f.qth = "DCI " + std::string(1, draw.letter()) + std::string(1, draw.letter()) +
                std::to_string(100 + draw.below(900));
      }
    } else if (draw.chance(30)) {
      f.castleName = std::string(draw.from(Places));
    }

    std::optional<std::string> record = buildQsoRecord(f);
    if (!record) throw std::logic_error("generated contact does not fit the record: " + f.callsign);
    records.push_back(std::move(*record));
  }
  return records;
}

fs::path writeStationLog(const fs::path& programDir, std::string_view callsign,
                         const std::vector<std::string>& records) {
  const fs::path log = logFilePath(programDir, callsign);
  if (Status status = TextFile::writeLines(log, records); !status)
    throw std::runtime_error("cannot write " + log.string() + ": " + status.error().detail);
  return log;
}

ScratchFolder::ScratchFolder() {
  std::random_device device;
  for (;;) {
    path_ = fs::temp_directory_path() / ("brivant-bench-" + std::to_string(device()));
    std::error_code error;
    if (fs::create_directory(path_, error)) break;
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  fs::remove_all(path_, error);
}

}  // namespace brivant::bench
