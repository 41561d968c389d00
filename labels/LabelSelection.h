#pragma once
// The contacts chosen for QSL labels: every list line of the log is either in
// Liste_QSO (not chosen) or in Liste_Imprime (the LabelSelection), each list
// in contact-number order whatever the order of the moves.

#include <cstddef>
#include <string>
#include <vector>

namespace brivant {

class LabelSelection {
 public:
  // Every line not chosen (the list lines of the log, in file order).
  void load(std::vector<std::string> listLines);

  std::size_t unchosenCount() const { return unchosen_.size(); }
  std::size_t chosenCount() const { return chosen_.size(); }
  const std::string& unchosenLine(std::size_t row) const { return lines_[unchosen_[row]]; }
  const std::string& chosenLine(std::size_t row) const { return lines_[chosen_[row]]; }
  // The chosen lines in order: what the labels are printed from.
  std::vector<std::string> chosenLines() const;

  // Moves the line at row of one list into the other and returns the row it
  // takes there; nothing happens for a row outside the list (the result is
  // then the other list's size).
  std::size_t choose(std::size_t unchosenRow);
  std::size_t giveBack(std::size_t chosenRow);
  // The row the line at row of one list would take in the other.
  std::size_t rowOnChoosing(std::size_t unchosenRow) const { return landing(unchosen_, chosen_, unchosenRow); }
  std::size_t rowOnGivingBack(std::size_t chosenRow) const { return landing(chosen_, unchosen_, chosenRow); }
  // Moves every line not chosen into the selection.
  void chooseAll();

 private:
  // Rows are indexes into lines_, kept ascending.
  static std::size_t landing(const std::vector<std::size_t>& from, const std::vector<std::size_t>& to, std::size_t row);
  static std::size_t move(std::vector<std::size_t>& from, std::vector<std::size_t>& to, std::size_t row);

  std::vector<std::string> lines_;
  std::vector<std::size_t> unchosen_;
  std::vector<std::size_t> chosen_;
};

}  // namespace brivant
