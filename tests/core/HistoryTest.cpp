#include "core/History.h"

#include <gtest/gtest.h>

namespace brivant {
namespace {

TEST(History, TextAndTitle) {
  const std::string text = historyText();
  EXPECT_TRUE(text.starts_with("V1.0.0   le 14/04/2005 creation a partir de Morvex\r\n"));
  EXPECT_TRUE(text.ends_with("V1.7.5   le 01/01/2014 Modification du r\xC3\xA8glement\r\n"));
  std::size_t entries = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++entries;
  EXPECT_EQ(entries, 17u);
  EXPECT_EQ(mainWindowTitle(true), QStringLiteral("Journée Nationale des Ruziduza Revision  1.7.5"));
}

}  // namespace
}  // namespace brivant
