#pragma once
// The two interface languages: French when Language is "Fr", English
// otherwise.  Every text that exists in both is chosen with pick.

#include <QString>
#include <string>

#include "platform/Cp1252.h"

namespace brivant {

// Picks the French or the English text (both UTF-8 literals).
inline QString pick(bool french, const char* frenchText, const char* englishText) {
  return QString::fromUtf8(french ? frenchText : englishText);
}

// The same choice as Windows-1252 bytes, for the texts that go into files.
inline std::string pickBytes(bool french, const char* frenchText, const char* englishText) {
  return Cp1252::fromUtf8(french ? frenchText : englishText);
}

// The French or the English one of two values of any other kind: texts
// composed of parts, tables of lines.
template <class T>
T pick(bool french, T frenchValue, T englishValue) {
  return french ? std::move(frenchValue) : std::move(englishValue);
}

}  // namespace brivant
