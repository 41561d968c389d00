#include "labels/LabelSelection.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace brivant {

void LabelSelection::load(std::vector<std::string> listLines) {
  lines_ = std::move(listLines);
  unchosen_.resize(lines_.size());
  std::iota(unchosen_.begin(), unchosen_.end(), std::size_t{0});
  chosen_.clear();
}

std::vector<std::string> LabelSelection::chosenLines() const {
  std::vector<std::string> lines;
  lines.reserve(chosen_.size());
  for (std::size_t index : chosen_) lines.push_back(lines_[index]);
  return lines;
}

std::size_t LabelSelection::landing(const std::vector<std::size_t>& from, const std::vector<std::size_t>& to,
                                    std::size_t row) {
  if (row >= from.size()) return to.size();
  return static_cast<std::size_t>(std::distance(to.begin(), std::lower_bound(to.begin(), to.end(), from[row])));
}

std::size_t LabelSelection::move(std::vector<std::size_t>& from, std::vector<std::size_t>& to, std::size_t row) {
  const std::size_t target = landing(from, to, row);
  if (row >= from.size()) return target;
  to.insert(to.begin() + static_cast<std::ptrdiff_t>(target), from[row]);
  from.erase(from.begin() + static_cast<std::ptrdiff_t>(row));
  return target;
}

std::size_t LabelSelection::choose(std::size_t unchosenRow) { return move(unchosen_, chosen_, unchosenRow); }

std::size_t LabelSelection::giveBack(std::size_t chosenRow) { return move(chosen_, unchosen_, chosenRow); }

void LabelSelection::chooseAll() {
  std::vector<std::size_t> merged;
  merged.reserve(chosen_.size() + unchosen_.size());
  std::merge(chosen_.begin(), chosen_.end(), unchosen_.begin(), unchosen_.end(), std::back_inserter(merged));
  chosen_ = std::move(merged);
  unchosen_.clear();
}

}  // namespace brivant
