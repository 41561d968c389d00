#pragma once
// The web page of recent spots: how it is stored in "Cluster1.txt" and how
// the rows of its first table are cut into spots.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cluster/Spot.h"
#include "platform/Result.h"

namespace brivant {

// The page's local copy in the program folder.
inline constexpr std::string_view PageCopyFile = "Cluster1.txt";

// What "Cluster1.txt" holds for a fetched page (Windows-1252): the page in
// upper case, its lines ended by line feeds or by CR LF, up to a carriage
// return not followed by a line feed; every line end turned into CR LF, and
// a last CR LF.
std::string storedPage(std::string_view page);

// Writes a stored page as the local copy.  It is only a copy of what the
// server has, so it is written in place, without a flush to disk each minute.
Status writePageCopy(const std::filesystem::path& programDir, std::string_view stored);

// The spots of the rows of the first complete table of a stored page, in page
// order.  After the "<TABLE>" line, seven header items (text up to a comma or
// a line end) are skipped; then each row is six lines: DX, QRG, date,
// spotter, remarks, and one line ignored.  A row whose line lacks its marker
// (or has them in the wrong order) or whose QRG is wider than its column is
// skipped; a "</TABLE>" line anywhere ends the table.
std::vector<Spot> parseSpotPage(std::string_view stored);

// The remarks cell's text with "&LT" read as "<" and "&GT" as ">": after any
// "&" the three characters that follow it are dropped, so each of the two
// entities written with its ";" gives one character.
std::string decodeRemarks(std::string_view cell);

}  // namespace brivant
