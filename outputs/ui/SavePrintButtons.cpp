#include "outputs/ui/SavePrintButtons.h"

#include <QBoxLayout>
#include <QPushButton>

#include "core/Language.h"
#include "core/ui/KeyboardAccess.h"

namespace brivant {

SavePrintButtons addSavePrintButtons(QWidget* window, QBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  auto button = [&](const char* name) {
    auto* result = new QPushButton(window);
    result->setObjectName(QString::fromLatin1(name));
    row->addWidget(result);
    return result;
  };
  SavePrintButtons buttons{button("Enregistrer"), button("Imprimer"), button("Quitter")};
  layout->addLayout(row);
  enterClicks(window, buttons.Enregistrer);
  return buttons;
}

void setSavePrintCaptions(const SavePrintButtons& buttons, bool french) {
  buttons.Enregistrer->setText(pick(french, "Enregistrer", "Save"));
  buttons.Imprimer->setText(pick(french, "Imprimer", "Print"));
  buttons.Quitter->setText(pick(french, "Quitter", "Exit"));
}

}  // namespace brivant
