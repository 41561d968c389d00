#pragma once
// Distance and azimuth from the station to a contact, from their 6-character
// Maidenhead locators, on a sphere of the Earth's equatorial circumference.

#include <optional>
#include <string>
#include <string_view>

namespace brivant {

namespace Geodesy {
inline constexpr double PI = 3.141592654;
inline constexpr double Circumference = 40076.59;  // km
inline constexpr double Radius = Circumference / PI / 2;
inline constexpr double DegreesToRadians = PI / 180;
inline constexpr double RadiansToDegrees = 180 / PI;
inline constexpr double HalfPi = PI / 2;
}  // namespace Geodesy

// The index of a locator letter: 'A'/'a' is 0.
int Rang_Lettre(char letter);
// The centre of the locator's sub-square, in radians.
double Longitude_Locator(std::string_view locator);
double Latitude_Locator(std::string_view locator);
// -arcsin x, written so that PI/2 + Moins_ArcSinus(x) is arccos x.
double Moins_ArcSinus(double x);

// A locator the geometry can read: two field letters A-R, two digits, two
// sub-square letters A-X (either case).  Anything shorter, longer or
// otherwise is treated as no locator.
bool isSixCharacterLocator(std::string_view locator);

// The distance in km, rounded half up, as text.  The contact's locator is
// trimmed and read by its first six characters.  Nothing when either locator
// is not a full 6-character locator.
std::optional<std::string> Calcul_Distance(std::string_view stationLocator, std::string_view contactLocator);
// The initial bearing in whole degrees (0-360).  Nothing as for the distance.
std::optional<int> Calcul_Azimut(std::string_view stationLocator, std::string_view contactLocator);

// What Azimut_A and Distance_A show for a contact: "?" and "?" without a
// usable locator, "?" and "0" at the station's own locator, else the bearing
// and the distance.
struct LocatorReadout {
  std::string azimuth;
  std::string distance;
};
LocatorReadout locatorReadout(std::string_view stationLocator, std::string_view contactLocator);

}  // namespace brivant
