#pragma once
// The two interface languages: French when Language is "Fr", English otherwise.

#include <QString>

namespace brivant {

// Picks the French or the English text (both UTF-8 literals).
inline QString pick(bool french, const char* frenchText, const char* englishText) {
  return QString::fromUtf8(french ? frenchText : englishText);
}

}  // namespace brivant
