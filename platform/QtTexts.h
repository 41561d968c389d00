#pragma once
// Qt's own texts (the standard buttons of the message boxes, the file, print
// and input dialogs) in the interface language: French from the translations
// the system ships with Qt (Debian qt6-translations-l10n), English as Qt
// writes them.

namespace brivant::QtTexts {

// Installs the French translation of Qt's texts, or removes it for English.
// False when French is asked for and no translation can be read (Qt's texts
// then stay in English).  Needs the application object.
bool use(bool french);

}  // namespace brivant::QtTexts
