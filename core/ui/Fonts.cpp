#include "core/ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace brivant {

QFont firstInstalledFont(std::initializer_list<const char*> families, QFont::StyleHint hint, const QFont& otherwise) {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : families) {
    if (installed.contains(QString::fromLatin1(family))) {
      QFont font(QString::fromLatin1(family));
      font.setStyleHint(hint);
      return font;
    }
  }
  return otherwise;
}

}  // namespace brivant
