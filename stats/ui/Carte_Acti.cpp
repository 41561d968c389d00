#include "stats/ui/Carte_Acti.h"

#include <QBuffer>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/MissingFile.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "entry/DeptTally.h"
#include "outputs/OutputText.h"
#include "platform/Cp1252.h"
#include "stats/DeptMapTally.h"
#include "stats/MapPicture.h"
#include "stats/ui/DeptMapView.h"
#include "stats/ui/StatsControls.h"

namespace brivant {

Carte_Acti::Carte_Acti(AppState& state, StatsHooks hooks, QWidget* parent)
    : StatsWindow(state, std::move(hooks), QStringLiteral("Carte_Acti"), parent) {
  auto* layout = new QVBoxLayout(this);

  QHBoxLayout* choices = addChoiceRow(
      this, layout, {&Label5, "Label5", &Mode_AX, "Mode_AX", &Label1, "Label1", &Bande_A, "Bande_A", &Afficher});
  Enregistrer_Image = new QPushButton(this);
  Enregistrer_Image->setObjectName(QStringLiteral("Enregistrer_Image"));
  choices->addWidget(Enregistrer_Image);

  // Everything the saved picture shows.
  pictureArea_ = new QWidget(this);
  pictureArea_->setObjectName(QStringLiteral("PictureArea"));
  pictureArea_->setAutoFillBackground(true);
  pictureArea_->setBackgroundRole(QPalette::Base);
  auto* area = new QGridLayout(pictureArea_);
  Picture1 = new DeptMapView(pictureArea_);
  area->addWidget(Picture1, 0, 0, 2, 1);
  area->setColumnStretch(0, 1);
  area->setRowStretch(1, 1);

  auto* legend = new QVBoxLayout;
  Label2 = namedLabel(pictureArea_, QStringLiteral("Label2"));
  legend->addWidget(Label2);
  for (int level = 1; level <= 4; ++level) {
    auto* row = new QHBoxLayout;
    QLabel* swatch = namedLabel(pictureArea_, QStringLiteral("LegendColour(%1)").arg(level));
    const std::optional<GridRgb> rgb = gridLevelRgb(level);
    swatch->setFixedSize(28, 16);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    swatch->setBackgroundRole(QPalette::Window);
    QPalette colours = swatch->palette();
    if (rgb) colours.setColor(QPalette::Window, QColor(rgb->red, rgb->green, rgb->blue));
    swatch->setPalette(colours);
    QLabel* text = namedLabel(pictureArea_, QStringLiteral("LegendText(%1)").arg(level));
    LegendColour[static_cast<std::size_t>(level)] = swatch;
    LegendText[static_cast<std::size_t>(level)] = text;
    row->addWidget(swatch);
    row->addWidget(text, 1);
    legend->addLayout(row);
  }
  Label7 = namedLabel(pictureArea_, QStringLiteral("Label7"));
  legend->addSpacing(12);
  legend->addWidget(Label7);
  area->addLayout(legend, 0, 1, Qt::AlignTop);

  Frame1 = new QGroupBox(pictureArea_);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* counts = new QHBoxLayout(Frame1);
  Label4 = namedLabel(Frame1, QStringLiteral("Label4"));
  counts->addWidget(Label4);
  area->addWidget(Frame1, 2, 0, 1, 2);
  layout->addWidget(pictureArea_, 1);

  connect(Afficher, &QPushButton::clicked, this, &Carte_Acti::Afficher_Click);
  connect(Enregistrer_Image, &QPushButton::clicked, this, &Carte_Acti::Enregistrer_Image_Click);
  connect(Picture1, &DeptMapView::departementClicked, this, &Carte_Acti::departementChosen);
  resize(900, 760);
}

void Carte_Acti::Form_Load() {
  const bool french = state_.french();
  setWindowTitle(QStringLiteral("Carte_Activations"));
  Label1->setText(pick(french, "&Bande : ", "&Band : "));
  Label4->setText(mapCountsLineBeforeDisplay(french));
  Label5->setText(QStringLiteral("&Mode : "));
  Afficher->setText(pick(french, "&Afficher", "&display"));
  Enregistrer_Image->setText(pick(french, "&Enregistrer l'image", "&Save picture"));
  Label2->setText(pick(french, "Légende", "Legend"));
  for (int level = 1; level <= 4; ++level)
    LegendText[static_cast<std::size_t>(level)]->setText(mapLegendLine(french, level, std::nullopt));
  Label7->clear();
  Picture1->setFrench(french);
  fillModes(Mode_AX);
  selectIndex(Mode_AX, storedModeIndex(state_));
  fillBands(Bande_A);
  Bande_A->setCurrentIndex(0);
  selectIndex(Bande_A, storedBandIndex(state_));
  giveAltKeys(this);
  centreOnScreen(this);
  Afficher->setFocus(Qt::OtherFocusReason);
}

void Carte_Acti::Afficher_Click() {
  const bool french = state_.french();
  const std::string band = Cp1252::fromQString(Bande_A->currentText());
  if (band.empty()) {
    state_.dialogs.message(selectBandMessage());
    return;
  }
  const std::string mode = Cp1252::fromQString(Mode_AX->currentText());
  const Result<MapTally> tally = Affiche_Carte(state_.programDir, state_.StationCall, band, mode);
  if (!tally) {
    reportFileError(state_, hooks_, tally.error(), MissingFileLabel::Log);
    return;
  }
  Picture1->showTally(*tally, band, mode);
  Label4->setText(mapCountsLine(french, *tally));
  for (int level = 1; level <= 4; ++level) {
    LegendText[static_cast<std::size_t>(level)]->setText(
        mapLegendLine(french, level, tally->boxesAtLevel[static_cast<std::size_t>(level)]));
  }
  Label7->setText(Cp1252::toQString(band) + QLatin1Char(' ') + Cp1252::toQString(mode));
}

void Carte_Acti::Enregistrer_Image_Click() {
  const bool french = state_.french();
  const std::string suggested = mapPictureName(state_.StationCall, Cp1252::fromQString(Bande_A->currentText()),
                                               Cp1252::fromQString(Mode_AX->currentText()));
  const std::optional<QString> chosen = state_.dialogs.chooseFileToSave(
      pick(french, "Enregistrer l'image", "Save picture"),
      QString::fromStdString((state_.programDir / suggested).string()), QStringLiteral("Images (*.png)"));
  if (!chosen || chosen->isEmpty()) return;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  pictureArea_->grab().toImage().save(&buffer, "PNG");
  const std::filesystem::path target = withPngSuffix(chosen->toStdString());
  state_.dialogs.message(
      writeOutputAndConfirm(target, png.toStdString(), french, mapPictureSavedMessage(french, target)).message);
}

}  // namespace brivant
