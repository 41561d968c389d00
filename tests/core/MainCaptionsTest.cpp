#include "core/MainCaptions.h"

#include <gtest/gtest.h>

namespace brivant {
namespace {

TEST(Frame3, CaptionsOfTheCallers) {
  EXPECT_EQ(frame3Caption(Frame3Caller::BandEntry, true, 12, "14 Mhz", "SSB"),
            QString::fromUtf8(" 12 Dpts contacté(s) sur 14 Mhz en SSB"));
  EXPECT_EQ(frame3Caption(Frame3Caller::BandEntry, false, 12, "14 Mhz", "SSB"),
            QStringLiteral(" 12 Dpts contacted) on 14 Mhz SSB"));
  EXPECT_EQ(frame3Caption(Frame3Caller::ModeEntry, false, 0, "7.0 Mhz", "CW"),
            QStringLiteral(" 0 Dpts contacted on 7.0 Mhz CW"));
  EXPECT_EQ(frame3Caption(Frame3Caller::DeleteOrReset, true, 3, "21 Mhz", "SSB"),
            QString::fromUtf8(" 3 Dpts contacté(s) sur  21 Mhz en SSB"));
  EXPECT_EQ(frame3Caption(Frame3Caller::DeleteOrReset, false, 3, "21 Mhz", "SSB"),
            QStringLiteral(" 3 Dpts contacted on  21 Mhz SSB"));
  EXPECT_EQ(frame3Caption(Frame3Caller::StartUpOrSave, false, 3, "21 Mhz", "CW"),
            QStringLiteral("3 Dpts contacted on 21 Mhz CW"));
}

}  // namespace
}  // namespace brivant
