#include "core/AltKeys.h"

#include <array>
#include <functional>

namespace brivant::AltKeys {

namespace {

bool isKeyCharacter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// 0-25 for the letters, 26-35 for the digits.
int slotOf(QChar c) {
  const char16_t u = c.toUpper().unicode();
  return u >= u'A' && u <= u'Z' ? u - u'A' : 26 + (u - u'0');
}
constexpr int SlotCount = 36;

// The position of the marking "&" in the caption, or -1.
qsizetype markPosition(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] != QLatin1Char('&')) return i;
    ++i;  // "&&" is a plain "&"
  }
  return -1;
}

// The caption without its mark ("&&" stay as they are).
QString unmarked(const QString& caption) {
  const qsizetype mark = markPosition(caption);
  return mark < 0 ? caption : QString(caption).remove(mark, 1);
}

// Where each character of the shown text stands in the caption.
std::vector<qsizetype> shownPositions(const QString& caption) {
  std::vector<qsizetype> positions;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    positions.push_back(i);
  }
  return positions;
}

// The slots a caption may take, best first, with the place of each in the
// shown text: the first letters of the words, then the other letters.
struct Candidate {
  int slot;
  qsizetype shown;
};
std::vector<Candidate> candidatesOf(const QString& shown) {
  std::vector<Candidate> wordStarts;
  std::vector<Candidate> others;
  std::array<bool, SlotCount> seen{};
  for (qsizetype i = 0; i < shown.size(); ++i) {
    if (!isKeyCharacter(shown[i])) continue;
    const bool wordStart = i == 0 || !shown[i - 1].isLetterOrNumber();
    (wordStart ? wordStarts : others).push_back({slotOf(shown[i]), i});
  }
  std::vector<Candidate> ordered;
  for (const auto* list : {&wordStarts, &others}) {
    for (const Candidate& candidate : *list) {
      if (seen[static_cast<std::size_t>(candidate.slot)]) continue;
      seen[static_cast<std::size_t>(candidate.slot)] = true;
      ordered.push_back(candidate);
    }
  }
  return ordered;
}

}  // namespace

QChar letterOf(const QString& caption) {
  const qsizetype mark = markPosition(caption);
  if (mark < 0 || !isKeyCharacter(caption[mark + 1])) return {};
  return caption[mark + 1].toUpper();
}

QString shownText(const QString& caption) {
  QString shown;
  shown.reserve(caption.size());
  for (qsizetype i : shownPositions(caption)) shown.append(caption[i]);
  return shown;
}

std::vector<QString> markScope(const std::vector<QString>& captions, const QString& taken) {
  constexpr int Free = -1;
  constexpr int Reserved = -2;  // taken elsewhere, or kept as it was marked
  std::array<int, SlotCount> owner;
  owner.fill(Free);
  for (QChar c : taken)
    if (isKeyCharacter(c)) owner[static_cast<std::size_t>(slotOf(c))] = Reserved;

  std::vector<QString> marked(captions.size());
  std::vector<std::vector<Candidate>> candidates(captions.size());
  std::vector<int> chosen(captions.size(), -1);  // index into candidates[i]
  std::vector<std::size_t> toMark;
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const QChar letter = letterOf(captions[i]);
    if (!letter.isNull() && owner[static_cast<std::size_t>(slotOf(letter))] == Free) {
      owner[static_cast<std::size_t>(slotOf(letter))] = Reserved;
      marked[i] = captions[i];
      continue;
    }
    marked[i] = unmarked(captions[i]);
    candidates[i] = candidatesOf(shownText(marked[i]));
    toMark.push_back(i);
  }

  // A free letter first; else one held by a caption that can move to another
  // (an augmenting path, so that the captions marked before keep a letter).
  std::function<bool(std::size_t, std::array<bool, SlotCount>&)> place = [&](std::size_t i,
                                                                             std::array<bool, SlotCount>& visited) {
    const auto take = [&](std::size_t c) {
      owner[static_cast<std::size_t>(candidates[i][c].slot)] = static_cast<int>(i);
      chosen[i] = static_cast<int>(c);
    };
    for (std::size_t c = 0; c < candidates[i].size(); ++c) {
      if (owner[static_cast<std::size_t>(candidates[i][c].slot)] != Free) continue;
      take(c);
      return true;
    }
    for (std::size_t c = 0; c < candidates[i].size(); ++c) {
      const auto slot = static_cast<std::size_t>(candidates[i][c].slot);
      if (visited[slot] || owner[slot] < 0) continue;
      visited[slot] = true;
      if (place(static_cast<std::size_t>(owner[slot]), visited)) {
        take(c);
        return true;
      }
    }
    return false;
  };
  for (std::size_t i : toMark) {
    std::array<bool, SlotCount> visited{};
    place(i, visited);
  }

  for (std::size_t i : toMark) {
    if (chosen[i] < 0) continue;
    const qsizetype shown = candidates[i][static_cast<std::size_t>(chosen[i])].shown;
    marked[i].insert(shownPositions(marked[i])[static_cast<std::size_t>(shown)], QLatin1Char('&'));
  }
  return marked;
}

}  // namespace brivant::AltKeys
