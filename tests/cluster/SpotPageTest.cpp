#include "cluster/SpotPage.h"

#include <gtest/gtest.h>

#include "platform/Cp1252.h"
#include "tests/cluster/ClusterTestData.h"
#include "tests/support/SpotPages.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::fittingSpot;

using testing::fixturesDir;
using testing::PageRow;
using testing::readBytes;
using testing::spotPage;

std::string fixturePage(const char* name) { return Cp1252::fromUtf8(readBytes(fixturesDir() / "cluster" / name)); }

TEST(SpotPage, TheStoredCopyOfAPage) {
  struct Case {
    const char* what;
    std::string page;
    std::string stored;
  };
  const Case cases[] = {
      {"line feeds", "<table>\nrow\n", "<TABLE>\r\nROW\r\n\r\n"},
      {"no last line feed", "a\nb", "A\r\nB\r\n"},
      {"CR LF read as line feeds", "<table>\r\nrow\r\n", "<TABLE>\r\nROW\r\n\r\n"},
      {"a CR in the middle", "a\nb\rc\nd\n", "A\r\nB\r\n"},
      {"accents upper-cased", "ch\xE2teau \x9C", "CH\xC2TEAU \x8C\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(storedPage(c.page), c.stored) << c.what;
  // The copy of a real page, byte for byte.
  testing::expectBytesMatchGolden(storedPage(fixturePage("page_14.html")), "cluster/Cluster1_14.txt");
  // Written as it is, over an older copy.
  testing::TempDir folder;
  testing::writeBytes(folder / "Cluster1.txt", std::string(5000, 'x'));
  ASSERT_TRUE(writePageCopy(folder.path(), storedPage(fixturePage("page_14.html"))).ok());
  testing::expectMatchesGolden(folder / "Cluster1.txt", "cluster/Cluster1_14.txt");
}

TEST(SpotPage, TheRowsOfTheFirstTable) {
  const std::vector<Spot> expected{
      fittingSpot("26-06-06 0905", "DL1ABC", "14025.0", "F5XYZ", "CQ CQ DE DL1ABC"),
      fittingSpot("26-06-06 0912", "F6KGL/P", "14205.0", "DL2ZZ", "DFCF 59-045 CH\xC2TEAU <QRP>"),
      fittingSpot("26-06-06 0901", "TM5CHA", "14244.5", "ON4XX", "JNC &; CO, 5&"),
      fittingSpot("26-06-06 0858", "HB9ABC", "14010.0", "F5XYZ", "5NN"),
      fittingSpot("26-06-06 0915", "EA8/DL1ABCDE", "14080.0", "G4ABC", "VERY LONG CALL"),
  };
  EXPECT_EQ(parseSpotPage(storedPage(fixturePage("page_14.html"))), expected);
  EXPECT_EQ(expected[0].dx, "DL1ABC      ");
  EXPECT_EQ(expected[0].qrg, " 14025.0");
  EXPECT_EQ(expected[0].spotter, "F5XYZ      ");
  // The same page with CR LF ends, as a Windows server sends it.
  EXPECT_EQ(parseSpotPage(storedPage(fixturePage("page_14_crlf.html"))), expected);
}

TEST(SpotPage, DamagedRowsAreSkipped) {
  // The header's comma makes seven items of six lines; rows lacking a
  // marker, with markers reversed, or a QRG wider than 8 are skipped; a long
  // spotter is cut and a short date padded; a row cut by "</TABLE>" ends the
  // table.
  const std::vector<Spot> expected{
      fittingSpot("26-06-06 1000", "F1AAA", "7012.0", "F5XYZ", "OK F1AAA"),
      fittingSpot("26-06-06 1007", "F1HHH", "7018.0", "F5XYZ/QRP/P", "LONG SPOTTER"),
      fittingSpot("06 1008", "F1III", "7019.0", "F5XYZ", "SHORT DATE"),
      fittingSpot("26-06-06 1009", "F1JJJ", "7020.0", "F5XYZ", "<A> &P;X &"),
      fittingSpot("26-06-06 1000", "F1KKK", "7012.0", "F5XYZ", "OK F1KKK"),
  };
  const std::vector<Spot> parsed = parseSpotPage(storedPage(fixturePage("page_damaged.html")));
  EXPECT_EQ(parsed, expected);
  for (const Spot& s : parsed) {
    EXPECT_EQ(s.date.size(), DateWidth);
    EXPECT_EQ(s.dx.size(), DxWidth);
    EXPECT_EQ(s.qrg.size(), QrgWidth);
    EXPECT_EQ(s.spotter.size(), SpotterWidth);
  }
}

TEST(SpotPage, PagesWithoutACompleteTable) {
  const std::string row = testing::pageRowLines({"F5AAA", "7010.0", "26-06-06 1200", "F5XYZ", "A"});
  struct Case {
    const char* what;
    std::string page;
    std::size_t spots;
  };
  const Case cases[] = {
      {"no table", "<html>\n<body>no spots</body>\n</html>\n", 0},
      {"empty table", spotPage({}), 0},
      {"a table that never ends keeps its rows", "<table>\n1\n2\n3\n4\n5\n6\n7\n" + row + row, 2},
      {"a row cut by the end of the page", "<table>\n1\n2\n3\n4\n5\n6\n7\n" + row + row.substr(0, 60), 1},
      {"the line after the remarks may be missing", "<table>\n1\n2\n3\n4\n5\n6\n7\n" + row.substr(0, row.size() - 6),
       1},
      {"seven header items on one line", "<table>\nDX,QRG,DATE,SPOTTER,REMARQUES,A,B\n" + row, 1},
      {"eight items shift every row", "<table>\nDX,QRG,DATE,SPOTTER,REMARQUES,A,B,C\n" + row + row, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(parseSpotPage(storedPage(c.page)).size(), c.spots) << c.what;
}

TEST(SpotPage, RemarksEntities) {
  struct Case {
    const char* cell;
    const char* text;
  };
  const Case cases[] = {
      {"&LT;A&GT;", "<A>"}, {"A &AMP; B", "A &; B"},    {"&NBSP;X", "&P;X"}, {"5&9", "5&"}, {"&", "&"},
      {"&LT", "<"},         {"NO ENTITY", "NO ENTITY"}, {"&GT;&LT;", "><"},  {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(decodeRemarks(c.cell), c.text) << c.cell;
}

}  // namespace
}  // namespace brivant
