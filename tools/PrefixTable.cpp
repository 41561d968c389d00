#include "tools/PrefixTable.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace brivant::tools {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool isTablePrefix(std::string_view prefix) {
  if (prefix.empty() || prefix.size() > PrefixWidth) return false;
  return std::all_of(prefix.begin(), prefix.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/'; });
}

std::size_t costOf(const CountryFile& country, int entity) {
  return lineBytes(PrefixLine{"", "", country.entity(entity).name});
}

// Where a candidate line comes from; a line offered twice keeps the first.
enum class Source { CountryPrefix, ExactCall, SampleBeginning };

struct Candidate {
  std::string prefix;
  int entity = -1;
  std::size_t cost = 0;
  Source source = Source::CountryPrefix;
  long gain = 0;
  bool operator<(const Candidate& other) const {
    return prefix != other.prefix ? prefix < other.prefix : entity < other.entity;
  }
};

// The table being chosen, and how it resolves each sample call: the longest
// table prefix that begins the call, which is what the file order gives.
class Selection {
 public:
  Selection(const CountryFile& country, const std::vector<std::string>& sample) : country_(country) {
    for (const std::string& call : sample) {
      const int truth = country.resolve(call);
      if (truth < 0) continue;
      const int index = static_cast<int>(calls_.size());
      calls_.push_back(call);
      truth_.push_back(truth);
      for (std::size_t length = 1; length <= std::min(call.size(), PrefixWidth); ++length)
        callsUnder_[call.substr(0, length)].push_back(index);
    }
    resolved_.assign(calls_.size(), -1);
    resolvedLength_.assign(calls_.size(), 0);
  }

  const std::vector<std::string>& calls() const { return calls_; }
  bool has(const std::string& prefix) const { return table_.count(prefix) != 0; }
  std::size_t bytes() const { return bytes_; }
  const std::map<std::string, int>& table() const { return table_; }

  void add(const std::string& prefix, int entity) {
    if (!table_.emplace(prefix, entity).second) throw std::runtime_error("two lines for prefix " + prefix);
    bytes_ += costOf(country_, entity);
    for (int call : under(prefix)) {
      if (resolvedLength_[call] < prefix.size()) {
        resolved_[call] = entity;
        resolvedLength_[call] = prefix.size();
      }
    }
  }

  void remove(const std::string& prefix) {
    const auto found = table_.find(prefix);
    bytes_ -= costOf(country_, found->second);
    table_.erase(found);
    for (int call : under(prefix)) {
      if (resolvedLength_[call] == prefix.size())
        std::tie(resolved_[call], resolvedLength_[call]) = resolveText(calls_[call]);
    }
  }

  // Sample calls made right minus sample calls made wrong by adding the line.
  long gain(const std::string& prefix, int entity) const {
    long gain = 0;
    for (int call : under(prefix)) {
      if (resolvedLength_[call] >= prefix.size()) continue;
      const bool wasRight = resolved_[call] == truth_[call];
      const bool isRight = entity == truth_[call];
      gain += static_cast<long>(isRight) - static_cast<long>(wasRight);
    }
    return gain;
  }

  // True when adding the line changes the entity of no sample call.
  bool touchesNoSample(const std::string& prefix, int entity) const {
    for (int call : under(prefix))
      if (resolvedLength_[call] < prefix.size() && resolved_[call] != entity) return false;
    return true;
  }

  std::pair<int, std::size_t> resolveText(std::string_view text) const {
    for (std::size_t length = std::min(text.size(), PrefixWidth); length > 0; --length) {
      if (const auto found = table_.find(std::string(text.substr(0, length))); found != table_.end())
        return {found->second, length};
    }
    return {-1, 0};
  }

 private:
  const std::vector<int>& under(const std::string& prefix) const {
    static const std::vector<int> none;
    const auto found = callsUnder_.find(prefix);
    return found == callsUnder_.end() ? none : found->second;
  }

  const CountryFile& country_;
  std::vector<std::string> calls_;
  std::vector<int> truth_;
  std::unordered_map<std::string, std::vector<int>> callsUnder_;
  std::vector<int> resolved_;
  std::vector<std::size_t> resolvedLength_;
  std::map<std::string, int> table_;
  std::size_t bytes_ = 0;
};

struct Pick {
  std::string prefix;
  int entity = -1;
  std::size_t cost = 0;
};

// Lines that must be there whatever the sample says: the main line of every
// DXCC entity, so that the second lookup by main prefix always lands on it,
// and France's own prefixes.  France gets no longer lines: the entry treats a
// station as French only when its line's prefix is one of the plain ones.
void addMandatoryLines(const CountryFile& country, int france, Selection& selection) {
  for (std::size_t i = 0; i < country.entities().size(); ++i) {
    const int index = static_cast<int>(i);
    if (country.entity(index).waeOnly()) continue;
    const std::string key = country.tableMainPrefix(index);
    if (!isTablePrefix(key))
      throw std::runtime_error("main prefix " + key + " of " + country.entity(index).name + " does not fit a line");
    selection.add(key, index);
  }
  std::set<std::string> frenchPrefixes(country.entity(france).prefixes.begin(), country.entity(france).prefixes.end());
  frenchPrefixes.emplace(FrenchOnlyExtraPrefix);
  for (const std::string& prefix : frenchPrefixes) {
    if (!isTablePrefix(prefix)) throw std::runtime_error("French prefix " + prefix + " does not fit a line");
    if (!selection.has(prefix)) selection.add(prefix, france);
  }
}

// Every line that could be worth a place:
// - the country file's prefixes;
// - each beginning (up to 5 characters) of a sample call, for the entity the
//   country file's prefixes give it: such lines restore the file's answer
//   where a main line without a prefix of its own ("IS", "UA") takes too much;
// - an exact call of at most 5 characters as a line of its own, when no known
//   call that begins with it belongs elsewhere.
std::vector<Candidate> gatherCandidates(const CountryFile& country, int france, const Selection& selection) {
  std::map<std::pair<std::string, int>, Source> unique;
  auto offer = [&](const std::string& prefix, int entity, Source source) {
    if (entity < 0 || entity == france || !isTablePrefix(prefix) || selection.has(prefix)) return;
    unique.emplace(std::make_pair(prefix, entity), source);
  };
  for (const CountryEntity& entity : country.entities())
    for (const std::string& prefix : entity.prefixes) offer(prefix, entity.countsFor, Source::CountryPrefix);

  std::vector<std::string> known(selection.calls().begin(), selection.calls().end());
  for (const CountryEntity& entity : country.entities())
    known.insert(known.end(), entity.exactCalls.begin(), entity.exactCalls.end());
  std::sort(known.begin(), known.end());
  for (const CountryEntity& entity : country.entities()) {
    for (const std::string& call : entity.exactCalls) {
      if (call.size() > PrefixWidth || call.find('/') != std::string::npos) continue;
      bool safe = true;
      for (auto it = std::lower_bound(known.begin(), known.end(), call); it != known.end() && startsWith(*it, call);
           ++it)
        safe = safe && country.resolve(*it) == entity.countsFor;
      if (safe) offer(call, entity.countsFor, Source::ExactCall);
    }
  }

  for (const std::string& call : selection.calls())
    for (std::size_t length = 1; length <= std::min(call.size(), PrefixWidth); ++length)
      offer(call.substr(0, length), country.resolveByPrefix(call.substr(0, length)), Source::SampleBeginning);

  std::vector<Candidate> candidates;
  for (const auto& [line, source] : unique)
    candidates.push_back(Candidate{line.first, line.second, costOf(country, line.second), source, 0});
  return candidates;  // sorted by prefix, then entity
}

// Greedy by sample calls gained per byte: adds the best line while one gains.
std::vector<Pick> pickByMeasuredBenefit(std::vector<Candidate>& candidates, Selection& selection, std::size_t budget) {
  for (Candidate& candidate : candidates) candidate.gain = selection.gain(candidate.prefix, candidate.entity);
  std::vector<bool> open(candidates.size(), true);
  std::vector<Pick> picks;
  for (;;) {
    const Candidate* best = nullptr;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      const Candidate& c = candidates[i];
      if (!open[i] || c.gain <= 0 || selection.bytes() + c.cost > budget) continue;
      if (best != nullptr) {
        // Higher gain per byte first; then the cheaper line; then the earlier
        // (prefix, entity), so that the choice never depends on chance.
        const long lhs = c.gain * static_cast<long>(best->cost);
        const long rhs = best->gain * static_cast<long>(c.cost);
        if (lhs < rhs || (lhs == rhs && c.cost >= best->cost)) continue;
      }
      best = &c;
    }
    if (best == nullptr) return picks;
    const std::string prefix = best->prefix;
    selection.add(prefix, best->entity);
    picks.push_back(Pick{prefix, best->entity, best->cost});

    // Only lines on the same branch see their gain change: the prefixes of
    // the new line and its extensions.
    const auto begin =
        std::lower_bound(candidates.begin(), candidates.end(), Candidate{prefix, -1, 0, Source::CountryPrefix, 0});
    for (auto it = begin; it != candidates.end() && startsWith(it->prefix, prefix); ++it) {
      const auto i = static_cast<std::size_t>(it - candidates.begin());
      if (it->prefix == prefix)
        open[i] = false;
      else
        it->gain = selection.gain(it->prefix, it->entity);
    }
    for (std::size_t length = 1; length < prefix.size(); ++length) {
      const std::string shorter = prefix.substr(0, length);
      for (auto it = std::lower_bound(candidates.begin(), candidates.end(),
                                      Candidate{shorter, -1, 0, Source::CountryPrefix, 0});
           it != candidates.end() && it->prefix == shorter; ++it)
        it->gain = selection.gain(it->prefix, it->entity);
    }
  }
}

// Lines no sample call reaches, so their worth cannot be measured.  First the
// lines that give a callsign way into an entity that has none yet (its main
// line alone, as "FT/X", matches no real call, so Kerguelen calls would fall
// to France); then the country file's prefixes, shortest first, as they cover
// the most callsigns.  Stops once `enough` bytes are lined up.
std::vector<Pick> pickUnmeasured(const CountryFile& country, std::vector<Candidate> candidates, Selection& selection,
                                 std::size_t enough) {
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& a, const Candidate& b) { return a.prefix.size() < b.prefix.size(); });
  std::vector<bool> reachable(country.entities().size(), false);
  for (std::size_t i = 0; i < country.entities().size(); ++i) {
    const CountryEntity& entity = country.entities()[i];
    const std::string key = country.tableMainPrefix(static_cast<int>(i));
    if (std::find(entity.prefixes.begin(), entity.prefixes.end(), key) != entity.prefixes.end())
      reachable[static_cast<std::size_t>(entity.countsFor)] = true;
  }
  for (const auto& [prefix, entity] : selection.table())
    if (prefix != country.tableMainPrefix(entity)) reachable[static_cast<std::size_t>(entity)] = true;

  std::vector<Pick> picks;
  std::size_t bytes = 0;
  auto tryAdd = [&](const Candidate& candidate) {
    if (bytes >= enough || selection.has(candidate.prefix)) return;
    if (selection.resolveText(candidate.prefix).first == candidate.entity) return;
    if (!selection.touchesNoSample(candidate.prefix, candidate.entity)) return;
    selection.add(candidate.prefix, candidate.entity);
    picks.push_back(Pick{candidate.prefix, candidate.entity, candidate.cost});
    bytes += candidate.cost;
  };
  for (std::size_t entity = 0; entity < reachable.size(); ++entity) {
    if (reachable[entity] || country.entities()[entity].waeOnly()) continue;
    for (const Candidate& candidate : candidates)
      if (candidate.entity == static_cast<int>(entity) && candidate.source != Source::SampleBeginning)
        tryAdd(candidate);
  }
  for (const Candidate& candidate : candidates)
    if (candidate.source == Source::CountryPrefix) tryAdd(candidate);
  return picks;
}

// Keeps the picks so that the file is exactly `room` bytes: all picks up to a
// cut, then the earliest subset of the following ones that fills the rest.
std::vector<bool> fitExactly(const std::vector<Pick>& picks, std::size_t room) {
  constexpr std::size_t window = 48;
  for (std::size_t margin : {0u, 200u, 400u, 800u, 1600u, 3200u}) {
    std::vector<bool> keep(picks.size(), false);
    std::size_t used = 0, cut = 0;
    while (cut < picks.size() && used + picks[cut].cost + margin <= room) {
      used += picks[cut].cost;
      keep[cut++] = true;
    }
    const std::size_t rest = room - used;
    const std::size_t count = std::min(window, picks.size() - cut);
    // reachable[i][r]: picks cut+i .. cut+count-1 can add up to exactly r.
    std::vector<std::vector<bool>> reachable(count + 1, std::vector<bool>(rest + 1, false));
    reachable[count][0] = true;
    for (std::size_t i = count; i-- > 0;) {
      const std::size_t cost = picks[cut + i].cost;
      for (std::size_t r = 0; r <= rest; ++r)
        reachable[i][r] = reachable[i + 1][r] || (r >= cost && reachable[i + 1][r - cost]);
    }
    if (!reachable[0][rest]) continue;
    std::size_t r = rest;
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t cost = picks[cut + i].cost;
      if (r >= cost && reachable[i + 1][r - cost]) {
        keep[cut + i] = true;
        r -= cost;
      }
    }
    return keep;
  }
  throw std::runtime_error("no choice of lines fills the table to its exact size");
}

}  // namespace

std::size_t lineBytes(const PrefixLine& line) { return formatLine(line).size(); }

std::string formatLine(const PrefixLine& line) {
  std::string text = line.prefix;
  text.resize(PrefixWidth, ' ');
  text += "  ";
  text.append(BandFlags, '0');
  text += "  ";
  std::string main = line.mainPrefix;
  main.resize(MainPrefixWidth, ' ');
  text += main;
  text += ' ';
  text += line.name;
  text += "\r\n";
  return text;
}

std::string formatTable(const std::vector<PrefixLine>& lines) {
  std::string text;
  for (const PrefixLine& line : lines) text += formatLine(line);
  return text;
}

bool comesBefore(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i)
    if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
  return a.size() > b.size();
}

std::vector<std::string> parseSampleCalls(std::string_view text) {
  std::vector<std::string> calls;
  std::set<std::string> seen;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.empty() || line.front() == '#') continue;
    if (seen.emplace(line).second) calls.emplace_back(line);
  }
  return calls;
}

Accuracy measureAccuracy(const std::vector<PrefixLine>& fileOrder, const CountryFile& country,
                         const std::vector<std::string>& sample) {
  auto firstMatch = [&](std::string_view key) -> const PrefixLine* {
    for (const PrefixLine& line : fileOrder)
      if (startsWith(key, line.prefix)) return &line;
    return nullptr;
  };
  Accuracy accuracy;
  for (const std::string& call : sample) {
    const int truth = country.resolve(call);
    if (truth < 0) continue;
    ++accuracy.calls;
    const PrefixLine* line = firstMatch(call);
    if (line == nullptr) continue;
    const PrefixLine* main = firstMatch(line->mainPrefix);
    if (main != nullptr && main->mainPrefix == country.tableMainPrefix(truth)) ++accuracy.correct;
  }
  return accuracy;
}

PrefixTable buildPrefixTable(const CountryFile& country, const std::vector<std::string>& sample,
                             std::size_t targetBytes) {
  const int france = country.findByFileMainPrefix("F");
  if (france < 0) throw std::runtime_error("the country file has no France (main prefix F)");
  for (const CountryEntity& entity : country.entities()) {
    const bool printable =
        std::all_of(entity.name.begin(), entity.name.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    if (!printable) throw std::runtime_error("entity name " + entity.name + " is not plain ASCII");
  }

  Selection selection(country, sample);
  addMandatoryLines(country, france, selection);
  const std::size_t mandatoryBytes = selection.bytes();
  const std::size_t mandatoryLines = selection.table().size();
  if (mandatoryBytes > targetBytes) throw std::runtime_error("the entities' main lines alone exceed the table size");

  std::vector<Candidate> candidates = gatherCandidates(country, france, selection);
  std::vector<Pick> picks = pickByMeasuredBenefit(candidates, selection, targetBytes);
  const std::size_t measured = picks.size();
  const std::size_t room = targetBytes - mandatoryBytes;
  const std::size_t pickedBytes = selection.bytes() - mandatoryBytes;
  if (pickedBytes < room) {
    std::vector<Pick> more = pickUnmeasured(country, candidates, selection, room - pickedBytes + 4000);
    picks.insert(picks.end(), more.begin(), more.end());
  }

  const std::vector<bool> keep = fitExactly(picks, room);
  PrefixTable table;
  table.mandatoryLines = mandatoryLines;
  for (std::size_t i = 0; i < picks.size(); ++i) {
    if (keep[i])
      (i < measured ? table.measuredLines : table.fillLines) += 1;
    else
      selection.remove(picks[i].prefix);
  }
  for (const auto& [prefix, entity] : selection.table())
    table.lines.push_back(PrefixLine{prefix, country.tableMainPrefix(entity), country.entity(entity).name});
  std::sort(table.lines.begin(), table.lines.end(),
            [](const PrefixLine& a, const PrefixLine& b) { return comesBefore(a.prefix, b.prefix); });
  if (formatTable(table.lines).size() != targetBytes) throw std::runtime_error("table size mismatch");
  table.accuracy = measureAccuracy(table.lines, country, sample);
  return table;
}

}  // namespace brivant::tools
