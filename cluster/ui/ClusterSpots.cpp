// The spot list of the cluster window: refreshes, fetching and listing, sort
// buttons, filters and the clicks on a spot.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "cluster/ClusterSettings.h"
#include "cluster/ClusterTexts.h"
#include "cluster/SpotMarks.h"
#include "cluster/SpotPage.h"
#include "cluster/ui/Cluster.h"
#include "core/DateText.h"
#include "core/Safeguards.h"
#include "core/ui/FieldColours.h"
#include "platform/Cp1252.h"
#include "platform/Sound.h"

namespace brivant {

namespace {

const QColor CastleBackground{255, 236, 170};
constexpr std::string_view NoAnswerSound = "ringin.wav";
constexpr std::string_view AlertSound = "ringout.wav";

}  // namespace

bool Cluster::telnetSource() const { return Mnu_Telnet->isChecked(); }

bool Cluster::spotServerMissing() const {
  return !telnetSource() && Settings::getText(state_.settings, ClusterSettings::SpotServer, state_.StationCall).empty();
}

void Cluster::Afficher_Click() {
  if (spotServerMissing()) {
    state_.dialogs.message(noSpotServerMessage(state_.french()));
    return;
  }
  FullRefresh(true);
}

void Cluster::Timer2_Timer() {
  if (spotServerMissing()) return;  // nothing to fetch: no message every minute
  FullRefresh(false);
}

void Cluster::Indicatif_Enter() {
  if (Indicatif->text().isEmpty()) {
    state_.dialogs.message(enterCallsignMessage(state_.french()));
    return;
  }
  if (spotServerMissing()) {
    state_.dialogs.message(noSpotServerMessage(state_.french()));
    return;
  }
  FullRefresh(false);
}

void Cluster::Tri_Date_Click() { sortBy(SortMode::Date); }
void Cluster::Tri_DX_Click() { sortBy(SortMode::Dx); }
void Cluster::Tri_QRG_Click() { sortBy(SortMode::Qrg); }

void Cluster::sortBy(SortMode mode) {
  sortMode_ = mode;
  paintSortButtons();
  if (!ClusterIdle || spotServerMissing()) return;
  ClusterIdle = false;
  FullRefresh(false);
}

void Cluster::paintSortButtons() {
  const QPalette face = palette();
  for (auto [button, mode] : {std::pair{Tri_Date, SortMode::Date}, {Tri_DX, SortMode::Dx}, {Tri_QRG, SortMode::Qrg}}) {
    QPalette colours = face;
    if (mode == sortMode_) colours.setColor(QPalette::Button, AwaitingColour);
    button->setPalette(colours);
  }
}

void Cluster::Check1_Click() {
  if (!ClusterIdle || spotServerMissing()) return;
  ClusterIdle = false;
  FullRefresh(true);
}

void Cluster::Check2_Click() { Check1_Click(); }

void Cluster::FullRefresh(bool storeBands) {
  // A fetch under way keeps its own refresh: its page will be listed.
  if (page_->busy() || !pendingBands_.empty() || listing_) return;
  clearLists();
  if (storeBands) {
    saveSetting(state_, Settings::Common::ClusterBand, std::to_string(Bande_CL->currentIndex()));
    saveSetting(state_, Settings::Common::ClusterBand1, std::to_string(Bande_CL2->currentIndex()));
  }
  if (const ClusterBandEntry* first = firstBandEntry(Bande_CL->currentIndex())) pendingBands_.push_back(first);
  if (Bande_CL2->currentIndex() != 0)
    if (const ClusterBandEntry* second = secondBandEntry(Bande_CL2->currentIndex())) pendingBands_.push_back(second);
  nextBand();
}

void Cluster::clearLists() {
  Liste_Stations_Bis->clear();
  filling_ = true;
  Liste_Stations->clear();
  filling_ = false;
  spots_.clear(sortMode_);
}

void Cluster::nextBand() {
  if (pendingBands_.empty()) return;
  const ClusterBandEntry* entry = pendingBands_.front();
  pendingBands_.pop_front();
  // The second band's rows join the sorted list and the display is rebuilt
  // once they come; until then, and when its page does not come, the first
  // band's spots stay listed.
  Affiche_Cluster(*entry);
}

void Cluster::Affiche_Cluster(const ClusterBandEntry& entry) {
  if (telnetSource()) {
    // The spots came from the node already: nothing to fetch.
    ClusterIdle = true;
    stampQtr();
    listSpots(telnetSpots_.latestOf(entry));
    nextBand();
    return;
  }
  Timer2->stop();
  Afficher->setEnabled(false);
  Patientez->show();
  const std::string server = Settings::getText(state_.settings, ClusterSettings::SpotServer, state_.StationCall);
  page_->fetch(QString::fromStdString(spotPageAddress(server, entry)));
}

void Cluster::pageFetched(const QString& text) {
  const std::string page = Cp1252::fromQString(text);
  if (page.empty()) {
    sound_->play(state_.file(NoAnswerSound));
    state_.dialogs.message(noAnswerMessage(state_.french()));
    Afficher->setEnabled(true);
    Patientez->hide();
    nextBand();  // Timer2 stays off until a page comes
    return;
  }
  ClusterIdle = true;
  stampQtr();
  const std::string stored = storedPage(page);
  const std::vector<Spot> spots = parseSpotPage(stored);
  Afficher->setEnabled(true);
  Patientez->hide();
  Timer2->start();
  listSpots(spots);
  // The local copy is written once the list is shown (the disk may make it
  // wait); a copy that cannot be written does not stop the list.
  QTimer::singleShot(0, this, [this, stored] { (void)writePageCopy(state_.programDir, stored); });
  nextBand();
}

void Cluster::stampQtr() {
  QTR->setText(QString::fromStdString(Lire_Heure_UTC(state_.clock).substr(0, 5)) + QStringLiteral(" TU"));
}

SpotFilters Cluster::filters() const {
  SpotFilters filters;
  filters.frenchStations = Check1->isChecked();
  filters.watchedCallsign = Check2->isChecked();
  filters.alert = Check3->isChecked();
  filters.watched = Cp1252::upperAscii(Cp1252::fromQString(Indicatif->text()));
  return filters;
}

void Cluster::listSpots(const std::vector<Spot>& spots) {
  const SpotFilters current = filters();
  listing_ = true;
  for (const Spot& spot : spots)
    if (spots_.add(spot, current)) sound_->play(state_.file(AlertSound));
  listing_ = false;
  showSpotLines();
  if (const std::optional<std::size_t> row =
          automaticSelection(static_cast<std::size_t>(Liste_Stations->count()), spots_.mode()))
    Liste_Stations->setCurrentRow(static_cast<int>(*row));  // acts as a click
}

void Cluster::showSpotLines() {
  filling_ = true;
  Liste_Stations_Bis->clear();
  for (const std::string& sorted : spots_.sortedLines()) Liste_Stations_Bis->addItem(Cp1252::toQString(sorted));
  Liste_Stations->clear();
  const std::vector<std::string> lines = spots_.spotLines();
  const std::string mode = hooks_.loggingMode ? Cp1252::fromQString(hooks_.loggingMode()) : std::string();
  const std::vector<bool> worked =
      hooks_.logLines ? workedSpots(lines, hooks_.logLines(), mode) : std::vector<bool>(lines.size(), false);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    auto* item = new QListWidgetItem(Cp1252::toQString(line), Liste_Stations);
    if (holdsCastleReference(spotLineRemarks(line))) {
      item->setBackground(CastleBackground);
      QFont bold = Liste_Stations->font();
      bold.setBold(true);
      item->setFont(bold);
    }
    if (worked[i]) item->setForeground(QColor(Qt::gray));
  }
  filling_ = false;
}

void Cluster::Liste_Stations_Click() {
  const QListWidgetItem* item = Liste_Stations->currentItem();
  if (item == nullptr) return;
  SelectedSpotLine = Cp1252::fromQString(item->text());
  // The Yaesu radios need a port chosen; a hamlib radio has its own link.
  if (hamlibChosen() || !ClusterSettings::isNoPort(Cp1252::fromQString(NumPort->text()))) Cluster_Liste();
}

void Cluster::Liste_Stations_DblClick() {
  const QListWidgetItem* item = Liste_Stations->currentItem();
  if (item == nullptr || !hooks_.offerCallsign) return;
  hooks_.offerCallsign(Cp1252::toQString(spotLineCallsign(Cp1252::fromQString(item->text()))));
}

}  // namespace brivant
