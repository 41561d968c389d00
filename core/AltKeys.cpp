#include "core/AltKeys.h"

#include <array>
#include <deque>

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

  // A free letter of the caption when it has one; else the fewest captions
  // marked before it move to another letter of theirs to free one (the
  // shortest augmenting path, found breadth first), so that every caption
  // keeps a letter and as many as can keep their first choice.
  const auto slotAt = [&](std::size_t i, int c) {
    return static_cast<std::size_t>(candidates[i][static_cast<std::size_t>(c)].slot);
  };
  const auto place = [&](std::size_t start) {
    std::vector<int> before(captions.size(), -1);  // the caption that wants this one's letter
    std::vector<bool> seen(captions.size(), false);
    std::deque<std::size_t> queue{start};
    seen[start] = true;
    while (!queue.empty()) {
      const std::size_t x = queue.front();
      queue.pop_front();
      for (int c = 0; c < static_cast<int>(candidates[x].size()); ++c) {
        const int holder = owner[slotAt(x, c)];
        if (holder == Free) {
          // x takes the free letter; each caption on the way back takes the
          // letter the one after it left.
          std::size_t taker = x;
          int wanted = c;
          while (true) {
            const int left = chosen[taker];
            owner[slotAt(taker, wanted)] = static_cast<int>(taker);
            chosen[taker] = wanted;
            if (taker == start) return;
            const std::size_t next = static_cast<std::size_t>(before[taker]);
            const std::size_t leftSlot = slotAt(taker, left);
            wanted = 0;
            while (slotAt(next, wanted) != leftSlot) ++wanted;
            taker = next;
          }
        }
        if (holder >= 0 && !seen[static_cast<std::size_t>(holder)]) {
          seen[static_cast<std::size_t>(holder)] = true;
          before[static_cast<std::size_t>(holder)] = static_cast<int>(x);
          queue.push_back(static_cast<std::size_t>(holder));
        }
      }
    }
  };
  for (std::size_t i : toMark) place(i);

  for (std::size_t i : toMark) {
    if (chosen[i] < 0) continue;
    const qsizetype shown = candidates[i][static_cast<std::size_t>(chosen[i])].shown;
    marked[i].insert(shownPositions(marked[i])[static_cast<std::size_t>(shown)], QLatin1Char('&'));
  }
  return marked;
}

}  // namespace brivant::AltKeys
