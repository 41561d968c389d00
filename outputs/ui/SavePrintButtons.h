#pragma once
// The row of buttons the sheet and the listing windows share: Enregistrer,
// Imprimer, Quitter.

class QBoxLayout;
class QPushButton;
class QWidget;

namespace brivant {

struct SavePrintButtons {
  QPushButton* Enregistrer = nullptr;
  QPushButton* Imprimer = nullptr;
  QPushButton* Quitter = nullptr;
};

// Creates the three buttons, named, in a row at the end of the layout.
// Enregistrer is the window's default button: Enter saves.
SavePrintButtons addSavePrintButtons(QWidget* window, QBoxLayout* layout);
// "Enregistrer", "Imprimer", "Quitter" or "Save", "Print", "Exit".
void setSavePrintCaptions(const SavePrintButtons& buttons, bool french);

}  // namespace brivant
