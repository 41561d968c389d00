#include "core/ui/Gestion_Erreur.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/MissingFile.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Main.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

QLabel* label(QWidget* parent, const char* name, const char* text = "") {
  auto* created = new QLabel(QString::fromUtf8(text), parent);
  created->setObjectName(QString::fromLatin1(name));
  created->setTextFormat(Qt::PlainText);
  return created;
}

}  // namespace

Gestion_Erreur::Gestion_Erreur(Main& main) : QWidget(&main, Qt::Window), main_(main) {
  setObjectName(QStringLiteral("Gestion_Erreur"));
  setWindowTitle(QStringLiteral("Erreur"));
  setWindowModality(Qt::ApplicationModal);

  Label2 = label(this, "Label2", "ERREUR 53");
  QFont big = Label2->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  Label2->setFont(big);
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setStyleSheet(QStringLiteral("color: #b00000;"));
  Label3 = label(this, "Label3", "Brivant a trouvé dans la base de registre l'indicatif  : ");
  Ind_Station = label(this, "Ind_Station");
  Label6 = label(this, "Label6", "Il n'a par contre pas trouvé dans son repertoire le(s) fichier(s) ");
  Ind_Station1 = label(this, "Ind_Station1");
  Err_Departement = label(this, "Err_Departement", " log");
  Label7 = label(this, "Label7", "Pour remedier a cet etat, cliquez sur \" Initialiser\" et relancez Brivant");
  Label8 = label(this, "Label8", "L'indicatif affiché sera alors FXXXX ");
  Label9 = label(this, "Label9", "Une boite de dialogue vous demandera alors de specifier votre indicatif");
  QFont bold = Ind_Station->font();
  bold.setBold(true);
  for (QLabel* name : {Ind_Station, Ind_Station1, Err_Departement}) name->setFont(bold);

  Initialisation = new QPushButton(QStringLiteral("Initialiser"), this);
  Initialisation->setObjectName(QStringLiteral("Initialisation"));
  Quitter = new QPushButton(QStringLiteral("Quitter"), this);
  Quitter->setObjectName(QStringLiteral("Quitter"));
  connect(Initialisation, &QPushButton::clicked, this, &Gestion_Erreur::Initialisation_Click);
  connect(Quitter, &QPushButton::clicked, this, &Gestion_Erreur::Quitter_Click);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 14, 18, 14);
  layout->addWidget(Label2);
  layout->addSpacing(8);
  auto* found = new QHBoxLayout;
  found->addWidget(Label3);
  found->addWidget(Ind_Station, 1);
  layout->addLayout(found);
  layout->addWidget(Label6);
  auto* missing = new QHBoxLayout;
  missing->setSpacing(0);
  missing->addSpacing(24);
  missing->addWidget(Ind_Station1);
  missing->addWidget(Err_Departement, 1);
  layout->addLayout(missing);
  layout->addSpacing(10);
  layout->addWidget(Label7);
  layout->addWidget(Label8);
  layout->addWidget(Label9);
  layout->addSpacing(10);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Initialisation);
  buttons->addWidget(Quitter);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  giveAltKeys(this);
}

void Gestion_Erreur::raise(std::string_view missingFileLabel) {
  const QString call = Cp1252::toQString(main_.state().StationCall);
  Ind_Station->setText(call);
  Ind_Station1->setText(call);
  Err_Departement->setText(Cp1252::toQString(missingFileLabel));
  adjustSize();
  centreOnScreen(this);
  show();
  QWidget::raise();
  activateWindow();
}

void Gestion_Erreur::Initialisation_Click() {
  const std::string call = Cp1252::fromQString(Ind_Station->text());
  if (Status done = Initialiser(main_.state().settings, main_.state().programDir, call); !done)
    main_.state().dialogs.message(runtimeErrorMessage(done.error()));
}

void Gestion_Erreur::Quitter_Click() { main_.endProgram(0); }

void Gestion_Erreur::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!main_.programEnded()) main_.endProgram(0);
}

}  // namespace brivant
