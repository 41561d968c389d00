#pragma once
// The Alt letters of captions.  A "&" in front of a character marks it as the
// caption's letter (Qt underlines it and Alt plus that letter presses the
// control); "&&" stands for one plain "&".  Captions pressed with the same
// Alt (the titles of a menu bar and the buttons of its window) or shown
// together (the items of one menu) form a scope, where no letter may serve
// twice.

#include <QChar>
#include <QString>
#include <vector>

namespace brivant::AltKeys {

// The caption's marked letter or digit, upper case; a null QChar when it has
// none (or marks something that is not an ASCII letter or digit).
QChar letterOf(const QString& caption);

// The caption as it is shown: its mark removed, "&&" read as "&".
QString shownText(const QString& caption);

// Gives every caption of one scope a letter of its own, in their order:
//   - a caption's mark is kept, unless an earlier caption or `taken` already
//     has that letter (the mark is then dropped and another letter sought);
//   - an unmarked caption gets a free letter of its shown text, the first
//     letter of a word before the others, the earlier letters first; when
//     every letter it has is used, a caption marked here before it gives its
//     letter up for another one of its own where it can;
//   - a caption with no letter left stays unmarked.
// Only a "&" is ever inserted: the shown text never changes.  `taken` holds
// the letters the scope uses elsewhere (a label's letter that moves to its
// field), any case.
std::vector<QString> markScope(const std::vector<QString>& captions, const QString& taken = {});

}  // namespace brivant::AltKeys
