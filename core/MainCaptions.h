#pragma once
// The captions of the main window's frames that follow the entry: Frame3
// (the departement count over the grid) and Frame4 (the number of the next
// contact over the form).

#include <QString>
#include <string_view>

namespace brivant {

// Which caller composes the caption of Frame3 (their texts differ slightly).
enum class Frame3Caller {
  BandEntry,      // Bande_A accepted: " n Dpts contacté(s) sur b en m" / " n Dpts contacted) on b m"
  ModeEntry,      // Mode_A: as BandEntry, English " Dpts contacted on "
  DeleteOrReset,  // two blanks after "sur" / "on"
  StartUpOrSave,  // no blank in front of the count
};
// band and mode are Windows-1252 bytes.
QString frame3Caption(Frame3Caller caller, bool french, int deptCount, std::string_view band, std::string_view mode);

// Frame4 after a load: "QSO numero " / "QSO number " + (QsoCount + 1).
// Everywhere else (language switch, save, edit, cancel) the French caption
// carries its accent: "QSO numéro " / "QSO number " + the number as given.
QString frame4NumberCaption(bool french, const QString& number);
QString frame4Caption(bool french, int qsoCount);

}  // namespace brivant
