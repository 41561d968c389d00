#include "entry/Locator.h"

#include <algorithm>
#include <cmath>

#include "core/Text.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

using namespace Geodesy;

bool letterIn(char c, char last) {
  const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return upper >= 'A' && upper <= last;
}

// The angle at the centre of the Earth between the two points.
double centralAngle(double lon1, double lat1, double lon2, double lat2) {
  double x = std::cos(lon1 - lon2) * std::cos(lat1) * std::cos(lat2) + std::sin(lat2) * std::sin(lat1);
  // Rounding can push the cosine a hair past 1 for very close points.
  x = std::clamp(x, -1.0, 1.0);
  return HalfPi + Moins_ArcSinus(x);
}

struct Points {
  double lon1, lat1, lon2, lat2;
};

std::optional<Points> pointsOf(std::string_view stationLocator, std::string_view contactLocator) {
  const std::string_view station = trimBlanks(stationLocator);
  // Extended locators (8 characters and more) are read by their first six.
  const std::string_view contact = trimBlanks(contactLocator).substr(0, 6);
  if (!isSixCharacterLocator(station) || !isSixCharacterLocator(contact)) return std::nullopt;
  return Points{Longitude_Locator(station), Latitude_Locator(station), Longitude_Locator(contact),
                Latitude_Locator(contact)};
}

}  // namespace

int Rang_Lettre(char letter) {
  const int code = static_cast<unsigned char>(letter);
  return code > 96 ? code - 97 : code - 65;
}

double Longitude_Locator(std::string_view locator) {
  const double degrees =
      20.0 * Rang_Lettre(locator[0]) - 180 + 2.0 * (locator[2] - '0') + Rang_Lettre(locator[4]) / 12.0 + 1.0 / 24;
  return degrees * DegreesToRadians;
}

double Latitude_Locator(std::string_view locator) {
  const double degrees =
      10.0 * Rang_Lettre(locator[1]) - 90 + (locator[3] - '0') + Rang_Lettre(locator[5]) / 24.0 + 1.0 / 48;
  return degrees * DegreesToRadians;
}

double Moins_ArcSinus(double x) {
  // At x = +-1 the arctangent form divides by zero; its limit is -+PI/2.
  if (x >= 1) return -HalfPi;
  if (x <= -1) return HalfPi;
  return -std::atan(x / std::sqrt(1 - x * x));
}

bool isSixCharacterLocator(std::string_view locator) {
  return locator.size() == 6 && letterIn(locator[0], 'R') && letterIn(locator[1], 'R') && isAsciiDigit(locator[2]) &&
         isAsciiDigit(locator[3]) && letterIn(locator[4], 'X') && letterIn(locator[5], 'X');
}

std::optional<std::string> Calcul_Distance(std::string_view stationLocator, std::string_view contactLocator) {
  const std::optional<Points> p = pointsOf(stationLocator, contactLocator);
  if (!p) return std::nullopt;
  const double angle = centralAngle(p->lon1, p->lat1, p->lon2, p->lat2);
  return std::to_string(static_cast<long long>(std::floor(Circumference * angle / (2 * PI) + 0.5)));
}

std::optional<int> Calcul_Azimut(std::string_view stationLocator, std::string_view contactLocator) {
  const std::optional<Points> p = pointsOf(stationLocator, contactLocator);
  if (!p) return std::nullopt;
  const double angle = centralAngle(p->lon1, p->lat1, p->lon2, p->lat2);
  const double d = Circumference * angle / (2 * PI);
  const double a = d / Radius;
  const double sinA = std::sin(a);
  // The same point, or its antipode: every direction is as good; north.
  if (std::abs(sinA) < 1e-12) return 0;
  double c = (std::sin(p->lat2) - std::sin(p->lat1) * std::cos(a)) / (std::cos(p->lat1) * sinA);
  c = std::clamp(c, -0.999999999, 0.999999999);
  double azimuth = RadiansToDegrees * (HalfPi + Moins_ArcSinus(c));
  // The arccosine gives the angle from north either way; the contact lies to
  // the west when the shorter way round goes west, which across the 180th
  // meridian is not when its longitude is the smaller one.
  if (std::sin(p->lon2 - p->lon1) < 0) azimuth = 360 - azimuth;
  return static_cast<int>(std::floor(azimuth + 0.5));
}

LocatorReadout locatorReadout(std::string_view stationLocator, std::string_view contactLocator) {
  const std::string contact = Cp1252::upperAscii(trimBlanks(contactLocator).substr(0, 6));
  const std::string station = Cp1252::upperAscii(trimBlanks(stationLocator).substr(0, 6));
  if (!isSixCharacterLocator(contact)) return {"?", "?"};
  if (contact == station) return {"?", "0"};
  const std::optional<int> azimuth = Calcul_Azimut(station, contact);
  const std::optional<std::string> distance = Calcul_Distance(station, contact);
  // A station without a usable locator of its own: nothing to measure from.
  if (!azimuth || !distance) return {"?", "?"};
  return {std::to_string(*azimuth), *distance};
}

}  // namespace brivant
