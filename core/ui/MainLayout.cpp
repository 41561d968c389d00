// The controls of the main window and how they are laid out: the station,
// clock and score along the top; the entry form, grouped in the order the
// operator fills it, beside the departement grid; the list of contacts below.

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/QsoRecord.h"
#include "core/ui/Fonts.h"
#include "core/ui/Main.h"
#include "core/ui/Named.h"
#include "core/ui/QsoListModel.h"

namespace brivant {

namespace {

QLabel* label(QWidget* parent, const char* name, const char* text = "") {
  return named(new QLabel(QString::fromUtf8(text), parent), name);
}

QLineEdit* field(QWidget* parent, const char* name, int width) {
  auto* edit = named(new QLineEdit(parent), name);
  edit->setMinimumWidth(width);
  return edit;
}

QComboBox* combo(QWidget* parent, const char* name, int width) {
  auto* box = named(new QComboBox(parent), name);
  box->setEditable(true);
  // The entry checks the typed text on Enter; it never becomes an item.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMinimumWidth(width);
  return box;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, const char* tip = nullptr) {
  auto* push = named(new QPushButton(QString::fromUtf8(text), parent), name);
  if (tip != nullptr) push->setToolTip(QString::fromUtf8(tip));
  push->setAutoDefault(false);
  push->setEnabled(false);
  return push;
}

// The fixed-pitch font of the list and its header: the columns of a list line
// only line up in one.  Every attribute is set, so that nothing of the bold
// frame title around the list leaks into it.
QFont listFont() {
  QFont font = firstInstalledFont({"Liberation Mono", "DejaVu Sans Mono"}, QFont::Monospace,
                                  QFontDatabase::systemFont(QFontDatabase::FixedFont));
  font.setPointSize(9);
  font.setBold(false);
  return font;
}

QFont scaled(QFont font, double factor, bool bold) {
  font.setPointSizeF(font.pointSizeF() * factor);
  font.setBold(bold);
  return font;
}

// A caption over its field, in one column of the form's grid.  The caption
// is the field's buddy: a screen reader names the field by it, whatever the
// caption says at the time.
void place(QGridLayout* grid, int row, int column, QLabel* caption, QWidget* input, int span = 1) {
  caption->setBuddy(input);
  grid->addWidget(caption, row, column, 1, span, Qt::AlignBottom | Qt::AlignLeft);
  grid->addWidget(input, row + 1, column, 1, span);
}

}  // namespace

QWidget* Main::buildTopRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);

  Frame1 = named(new QGroupBox(row), "Frame1");
  auto* stationLayout = new QHBoxLayout(Frame1);
  L_Station = label(Frame1, "L_Station");
  Label2 = label(Frame1, "Label2", "Indicatif :");
  I_Station = label(Frame1, "I_Station");
  I_Station->setFont(scaled(font(), 1.6, true));
  I_Station->setMinimumWidth(150);
  stationLayout->addWidget(L_Station);
  stationLayout->addWidget(Label2);
  stationLayout->addWidget(I_Station, 1);

  Frame7 = named(new QGroupBox(row), "Frame7");
  auto* dateLayout = new QHBoxLayout(Frame7);
  Label33 = label(Frame7, "Label33");
  Label33->setFont(scaled(font(), 1.3, true));
  dateLayout->addWidget(Label33);

  Frame2 = named(new QGroupBox(row), "Frame2");
  auto* timeLayout = new QHBoxLayout(Frame2);
  Label37 = label(Frame2, "Label37");
  Label34 = label(Frame2, "Label34");
  for (QLabel* time : {Label37, Label34}) {
    time->setFont(scaled(font(), 1.3, true));
    timeLayout->addWidget(time);
  }
  timeLayout->insertSpacing(1, 16);

  Frame6 = named(new QGroupBox(row), "Frame6");
  auto* pointsLayout = new QHBoxLayout(Frame6);
  Label1 = label(Frame6, "Label1", "Total des Points :");
  P_QSO = label(Frame6, "P_QSO");
  P_QSO->setFont(scaled(font(), 1.6, true));
  P_QSO->setMinimumWidth(90);
  pointsLayout->addWidget(Label1);
  pointsLayout->addWidget(P_QSO, 1);

  NB_Debug = label(row, "NB_Debug");
  NB_Debug->setMinimumWidth(24);
  NB_Debug->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  layout->addWidget(Frame1, 2);
  layout->addWidget(Frame7);
  layout->addWidget(Frame2);
  layout->addWidget(Frame6, 1);
  layout->addWidget(NB_Debug);
  return row;
}

QWidget* Main::buildEntryForm() {
  Frame4 = named(new QGroupBox(QStringLiteral("QSO numéro "), this), "Frame4");
  auto* outer = new QVBoxLayout(Frame4);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(2);
  outer->addLayout(grid);

  placeContactFields(grid);
  placeCastleFields(grid);
  for (int column = 0; column < 6; ++column) grid->setColumnStretch(column, 1);

  // A new contact begins at the band and mode; the other fields open one by
  // one as the entry moves on.
  for (const EntryField& field : fields())
    if (field.control != Bande_A && field.control != Mode_A) field.control->setEnabled(false);

  outer->addSpacing(6);
  outer->addLayout(buildEntryButtons());
  outer->addStretch(1);
  return Frame4;
}

void Main::placeContactFields(QGridLayout* grid) {
  // The fields in the order the operator fills them: what is worked (band,
  // mode, the station, where it is, what it activates), then when, and the
  // reports exchanged.
  Bande_A = combo(Frame4, "Bande_A", 90);
  Mode_A = combo(Frame4, "Mode_A", 70);
  Indicatif_A = field(Frame4, "Indicatif_A", 130);
  Depart_A = field(Frame4, "Depart_A", 40);
  Locator_A = field(Frame4, "Locator_A", 70);
  Activite_A = combo(Frame4, "Activite_A", 100);
  Date_A = field(Frame4, "Date_A", 80);
  Debut_A = field(Frame4, "Debut_A", 60);
  Fin_A = field(Frame4, "Fin_A", 60);
  RSTR_A = field(Frame4, "RSTR_A", 60);
  RSTE_A = field(Frame4, "RSTE_A", 60);
  Prenom_A = field(Frame4, "Prenom_A", 130);
  struct Cell {
    QLabel** caption;  // the label over the field
    const char* name;
    const char* text;
    QWidget* input;
  };
  const Cell cells[2][6] = {
      {{&Label16, "Label16", "Bande", Bande_A},
       {&Label8, "Label8", "Mode", Mode_A},
       {&Label5, "Label5", "Indicatif", Indicatif_A},
       {&Label7, "Label7", "Dpt", Depart_A},
       {&locatorCaption_, "locatorCaption", "Locator", Locator_A},
       {&Label43, "Label43", "Activité", Activite_A}},
      {{&Label15, "Label15", "Date", Date_A},
       {&Label14, "Label14", "Début", Debut_A},
       {&Label13, "Label13", "Fin", Fin_A},
       {&Label12, "Label12", "RST reçu", RSTR_A},
       {&Label11, "Label11", "RST Envoyé", RSTE_A},
       {&Label10, "Label10", "       Prénom (Optionel)", Prenom_A}},
  };
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 6; ++column) {
      const Cell& cell = cells[row][column];
      *cell.caption = label(Frame4, cell.name, cell.text);
      place(grid, 2 * row, column, *cell.caption, cell.input);
    }
  }
}

void Main::placeCastleFields(QGridLayout* grid) {
  // The castle: its reference (after "DFCF" for a French one) and its name.
  Label9 = label(Frame4, "Label9", "Reference Chateau");
  Label26 = label(Frame4, "Label26", "DFCF");
  Label26->setFont(scaled(font(), 1.0, true));
  QSizePolicy keepRoom = Label26->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  Label26->setSizePolicy(keepRoom);
  Label26->setVisible(false);
  QTH_A = field(Frame4, "QTH_A", 120);
  // The reference and its caption share Frame4 with the other fields, so that
  // the caption names it.
  auto* reference = new QHBoxLayout;
  reference->addWidget(Label26);
  reference->addWidget(QTH_A, 1);
  Label38 = label(Frame4, "Label38", "Nom du Chateau (optionel)");
  Remarques_A = field(Frame4, "Remarques_A", 240);
  distanceCaption_ = label(Frame4, "distanceCaption", "Distance");
  Distance_A = field(Frame4, "Distance_A", 50);
  azimuthCaption_ = label(Frame4, "azimuthCaption", "Azimut");
  Azimut_A = field(Frame4, "Azimut_A", 40);
  Label9->setBuddy(QTH_A);
  grid->addWidget(Label9, 4, 0, 1, 2, Qt::AlignBottom | Qt::AlignLeft);
  grid->addLayout(reference, 5, 0, 1, 2);
  place(grid, 4, 2, Label38, Remarques_A, 2);
  place(grid, 4, 4, distanceCaption_, Distance_A);
  place(grid, 4, 5, azimuthCaption_, Azimut_A);
}

QHBoxLayout* Main::buildEntryButtons() {
  auto* buttons = new QHBoxLayout;
  Enregistrer = button(Frame4, "Enregistrer", "QSO Suivant", "Nouveau QSO et enregistrement des données precedentes");
  Enregistrer->setFont(scaled(font(), 1.0, true));
  Annuler = button(Frame4, "Annuler", "Annuler Saisie", "Efface les données en cours de saisie");
  Editer = button(Frame4, "Editer", " Editer  QSO",
                  "Clickez sur un QSO pour le selectionner puis sur ce bouton pour l'editer");
  Effacer = button(Frame4, "Effacer", "Supprimer QSO",
                   "Clickez sur un QSO pour le selectionner puis sur ce bouton pour l'effacer");
  Recherche = button(Frame4, "Recherche", "Chercher QSO",
                     "Cliquez sur ce bouton pour rechercher un QSO par indicatif, date, departement, ou locator");
  ClusterHF = button(Frame4, "ClusterHF", "Cluster");
  buttons->addWidget(Enregistrer, 2);
  buttons->addWidget(Annuler, 1);
  buttons->addSpacing(16);
  buttons->addWidget(Editer, 1);
  buttons->addWidget(Effacer, 1);
  buttons->addWidget(Recherche, 1);
  buttons->addSpacing(16);
  buttons->addWidget(ClusterHF, 1);
  return buttons;
}

QWidget* Main::buildListFrame() {
  Frame5 = named(new QGroupBox(QStringLiteral("Log de "), this), "Frame5");
  QFont frameFont(QStringLiteral("Liberation Sans"));
  frameFont.setBold(true);
  Frame5->setFont(frameFont);
  auto* layout = new QVBoxLayout(Frame5);
  layout->setSpacing(0);
  const QFont fixed = listFont();

  // The header scrolls sideways with the list so that its titles stay over
  // their columns.
  Label29 = label(nullptr, "Label29");
  Label29->setFont(fixed);
  Label29->setTextFormat(Qt::PlainText);
  listHeader_ = new QScrollArea(Frame5);
  listHeader_->setObjectName(QStringLiteral("Label29Area"));
  listHeader_->setFont(fixed);
  listHeader_->setWidget(Label29);
  listHeader_->setWidgetResizable(false);
  listHeader_->setFrameShape(QFrame::NoFrame);
  listHeader_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  listHeader_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Only the list takes the keyboard; its header follows it.
  listHeader_->setFocusPolicy(Qt::NoFocus);
  listHeader_->setFixedHeight(QFontMetrics(fixed).height() + 4);

  Liste_QSO = named(new QListView(Frame5), "Liste_QSO");
  Liste_QSO->setFont(fixed);
  Liste_QSO->setUniformItemSizes(true);
  Liste_QSO->setSelectionMode(QAbstractItemView::SingleSelection);
  Liste_QSO->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Liste_QSO->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Liste_QSO->setAlternatingRowColors(true);
  listModel_ = new QsoListModel(Liste_QSO);
  Liste_QSO->setModel(listModel_);
  Liste_QSO->setMinimumHeight(140);
  // The list's text starts after its frame and the item margin; the header
  // starts at the same place.
  const int inset = Liste_QSO->frameWidth() + Liste_QSO->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  Label29->setContentsMargins(inset, 0, 0, 0);
  Liste_QSO->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  // As wide as a whole list line, so that header and list scroll the same way.
  Label29->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(QsoLayout::ListLineLength, QLatin1Char('M'))) +
                           2 * inset + 8);
  connect(Liste_QSO->horizontalScrollBar(), &QScrollBar::valueChanged, listHeader_->horizontalScrollBar(),
          &QScrollBar::setValue);

  layout->addWidget(listHeader_);
  layout->addWidget(Liste_QSO, 1);
  setLogTitle(Frame5->title());
  return Frame5;
}

void Main::setLogTitle(const QString& title) {
  Frame5->setTitle(title);
  Liste_QSO->setAccessibleName(title);
}

void Main::buildControls() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Main_Central"));
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(8, 4, 8, 6);
  layout->setSpacing(4);

  layout->addWidget(buildTopRow());

  auto* middle = new QHBoxLayout;
  middle->addWidget(buildEntryForm(), 1);
  // The grid itself (Dpt) is the entry's: setDeptGrid puts it above Label6.
  Frame3 = named(new QGroupBox(this), "Frame3");
  auto* gridLayout = new QVBoxLayout(Frame3);
  Label6 = label(Frame3, "Label6", "Un double click sur un département affiche les QSO's");
  Label6->setWordWrap(true);
  gridLayout->addWidget(Label6);
  gridLayout->addStretch(1);
  middle->addWidget(Frame3, 0);
  layout->addLayout(middle);

  Line1 = named(new QFrame(this), "Line1");
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Sunken);
  layout->addWidget(Line1);

  layout->addWidget(buildListFrame(), 1);

  Timer1 = named(new QTimer(this), "Timer1");
  Timer1->setInterval(1000);
}

}  // namespace brivant
