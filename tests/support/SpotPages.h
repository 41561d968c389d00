#pragma once
// Spot sources as the outside world writes them, for tests and benchmarks: a
// web page of recent spots (one table row over six lines) and the "DX de"
// lines of a DXSpider-style telnet node.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace brivant::testing {

struct PageRow {
  std::string dx;
  std::string qrg;   // kHz, "14025.0"
  std::string date;  // 13 characters
  std::string spotter;
  std::string remarks;  // as the page writes it: "&lt;" for "<"
};

// The six lines of one row, each ended by a bare line feed.
inline std::string pageRowLines(const PageRow& row) {
  return "<tr><td><a href=\"/dxc/call.html?c=" + row.dx + "\" target=\"_blank\">" + row.dx + "</a></td>\n" +
         "<td align=\"right\">" + row.qrg + " &nbsp;</td>\n" +  //
         "<td align=\"left\" >" + row.date + "&nbsp;</td>\n" + "<td><a href=\"/dxc/call.html?c=" + row.spotter +
         "\" target=\"_blank\">" + row.spotter + "</a></td>\n" + "<td align=\"left\" >" + row.remarks + "</td>\n" +
         "</tr>\n";
}

// A whole page: a heading, the table of the rows (seven header lines after
// "<table>"), and a second table of links after it.
inline std::string spotPage(const std::vector<PageRow>& rows, std::string_view title = "Top 50 spots") {
  std::string page = "<html>\n<head><title>" + std::string(title) + "</title></head>\n<body>\n<h1>" +
                     std::string(title) + "</h1>\n<table>\n<tr>\n<th>DX</th>\n<th>QRG</th>\n<th>Date</th>\n" +
                     "<th>Spotter</th>\n<th>Remarques</th>\n</tr>\n";
  for (const PageRow& row : rows) page += pageRowLines(row);
  page += "</table>\n<table>\n<tr><td><a href=\"/dxc/\">index</a></td></tr>\n</table>\n</body>\n</html>\n";
  return page;
}

// A node's spot line: "DX de " and the spotter with its ":" in 9 columns, the
// frequency right-aligned in 8 after a blank, two blanks, the callsign in 12,
// a blank, the comment in 30, a blank and the time "hhmmZ".
inline std::string dxLine(std::string_view spotter, std::string_view khz, std::string_view dx, std::string_view comment,
                          std::string_view hhmm) {
  char line[160];
  const std::string call = std::string(spotter) + ":";
  std::snprintf(line, sizeof line, "DX de %-9s %8s  %-12s %-30s %sZ", call.c_str(), std::string(khz).c_str(),
                std::string(dx).c_str(), std::string(comment).c_str(), std::string(hhmm).c_str());
  return line;
}

}  // namespace brivant::testing
