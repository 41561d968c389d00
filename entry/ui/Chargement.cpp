#include "entry/ui/Chargement.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/ui/Centre.h"
#include "entry/Rebuild.h"

namespace brivant {

Chargement::Chargement(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("Chargement"));
  setWindowTitle(updatingCaption());
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont big = Label2->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  for (QLabel* text : {Label2, Label1}) {
    text->setAlignment(Qt::AlignCenter);
    text->setFont(big);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(30, 20, 30, 20);
  layout->addWidget(Label2);
  layout->addWidget(Label1);
}

void Chargement::open(bool french) {
  Label2->setText(updatingFilesText(french));
  Label1->setText(updatingWhatText(french));
  adjustSize();
  centreOnScreen(this);
  show();
  raise();
}

}  // namespace brivant
