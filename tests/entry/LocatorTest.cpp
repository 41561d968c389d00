#include <gtest/gtest.h>

#include <cmath>

#include "entry/Locator.h"

namespace brivant {
namespace {

// Centres of the sub-squares, worked out by hand from the Maidenhead grid
// (degrees east and north).
struct Place {
  const char* locator;
  double lon;
  double lat;
};
constexpr Place Paris{"JN18EU", 2.375, 48.854167};
constexpr Place Berlin{"JO62QM", 13.375, 52.520833};
constexpr Place London{"IO91WM", -0.125, 51.520833};
constexpr Place NewYork{"FN20XR", -74.041667, 40.729167};
constexpr Place Tokyo{"PM95VQ", 139.791667, 35.6875};
constexpr Place Melbourne{"QF22LE", 144.958333, -37.8125};

constexpr double Deg = 3.14159265358979323846 / 180;
const double EarthRadius = 40076.59 / (2 * 3.14159265358979323846);

// Great-circle distance by the haversine formula.
double haversineKm(const Place& a, const Place& b) {
  const double dLat = (b.lat - a.lat) * Deg;
  const double dLon = (b.lon - a.lon) * Deg;
  const double h =
      std::pow(std::sin(dLat / 2), 2) + std::cos(a.lat * Deg) * std::cos(b.lat * Deg) * std::pow(std::sin(dLon / 2), 2);
  return 2 * EarthRadius * std::asin(std::sqrt(h));
}

// Initial bearing by the atan2 form, 0-360.
double bearing(const Place& a, const Place& b) {
  const double dLon = (b.lon - a.lon) * Deg;
  const double y = std::sin(dLon) * std::cos(b.lat * Deg);
  const double x =
      std::cos(a.lat * Deg) * std::sin(b.lat * Deg) - std::sin(a.lat * Deg) * std::cos(b.lat * Deg) * std::cos(dLon);
  const double degrees = std::atan2(y, x) / Deg;
  return degrees < 0 ? degrees + 360 : degrees;
}

double angleBetween(double a, double b) {
  const double d = std::fmod(std::abs(a - b), 360.0);
  return std::min(d, 360 - d);
}

TEST(Locator, CentresOfSubSquares) {
  for (const Place& p : {Paris, Berlin, London, NewYork, Tokyo, Melbourne}) {
    EXPECT_NEAR(Longitude_Locator(p.locator) / Deg, p.lon, 1e-4) << p.locator;
    EXPECT_NEAR(Latitude_Locator(p.locator) / Deg, p.lat, 1e-4) << p.locator;
  }
  EXPECT_NEAR(Longitude_Locator("jn18eu"), Longitude_Locator("JN18EU"), 1e-12);
}

TEST(Locator, DistanceAndBearingAgreeWithTheGreatCircle) {
  const std::pair<Place, Place> pairs[] = {{Paris, Berlin},  {Paris, London},     {Paris, NewYork},
                                           {Paris, Tokyo},   {Paris, Melbourne},  {NewYork, Tokyo},
                                           {Tokyo, NewYork}, {Melbourne, London}, {London, Paris}};
  for (const auto& [from, to] : pairs) {
    const std::optional<std::string> distance = Calcul_Distance(from.locator, to.locator);
    const std::optional<int> azimuth = Calcul_Azimut(from.locator, to.locator);
    ASSERT_TRUE(distance && azimuth) << from.locator << " " << to.locator;
    EXPECT_NEAR(std::stod(*distance), haversineKm(from, to), 1.0) << from.locator << " -> " << to.locator;
    EXPECT_LE(angleBetween(*azimuth, bearing(from, to)), 1.0) << from.locator << " -> " << to.locator;
  }
}

TEST(Locator, OneSubSquareEastOrWest) {
  EXPECT_EQ(Calcul_Azimut("JN18EU", "JN18FU"), 90);
  EXPECT_EQ(Calcul_Azimut("JN18FU", "JN18EU"), 270);
  EXPECT_EQ(Calcul_Distance("JN18EU", "JN18FU"), "6");
}

TEST(Locator, WhatTheEditShows) {
  const auto shows = [](std::string_view station, std::string_view contact) {
    const LocatorReadout r = locatorReadout(station, contact);
    return r.azimuth + "|" + r.distance;
  };
  EXPECT_EQ(shows("JN18EU", ""), "?|?");
  EXPECT_EQ(shows("JN18EU", "JN18"), "?|?");  // shorter than 6: as blank
  EXPECT_EQ(shows("JN18EU", "JN18E"), "?|?");
  EXPECT_EQ(shows("JN18EU", "JN18E!"), "?|?");  // not a locator
  EXPECT_EQ(shows("JN18EU", "JN18EU"), "?|0");  // the station's own
  EXPECT_EQ(shows("JN18EU", "jn18eu"), "?|0");
  EXPECT_EQ(shows("------", "JN18FU"), "?|?");  // no station locator stored
  EXPECT_EQ(shows("JN18EU", "JN18FU"), "90|6");
  EXPECT_EQ(shows("JN18EU", "JN18FU12"), "90|6");  // extended locator read by its first six
}

}  // namespace
}  // namespace brivant
