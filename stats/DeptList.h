#pragma once
// The per-departement list (Affiche_Dpt): the contacts of one departement
// box taken from the lines of Liste_QSO, and the window's texts.

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace brivant {

// The code a box stands for: its number on two digits, 96 "2a", 97 "2b".
std::string deptCodeOfBox(int box);

// The first 116 characters (number to the end of the reference) of every
// list line whose departement columns equal the code, in list order.
inline constexpr int DeptListWidth = 116;
std::vector<std::string> deptListLines(const std::vector<std::string>& listLines, std::string_view code);

// Label2: count + "  QSO(s) effectué(s) avec le département " + code.
QString deptListCountLine(bool french, std::size_t count, std::string_view code);
// The caption once filled, and the column header Label1.
QString deptListCaption(bool french);
QString deptListHeader(bool french);

}  // namespace brivant
