#include "cluster/ui/HamlibDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Named.h"
#include "platform/Dialogs.h"

namespace brivant {

namespace {

constexpr int ListedModelRows = 12;

}  // namespace

HamlibDialog::HamlibDialog(bool french, const HamlibChoice& choice, const std::vector<std::string>& ports,
                           Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), french_(french), dialogs_(dialogs) {
  setObjectName(QStringLiteral("HamlibDialog"));
  setWindowTitle(pick(french, "Autre radio (hamlib)", "Other radio (hamlib)"));
  auto* layout = new QVBoxLayout(this);

  serialChoice = named(new QRadioButton(pick(french, "Radio sur un port &série", "Radio on a &serial port"), this),
                       "serialChoice");
  layout->addWidget(serialChoice);
  auto* serial = new QGridLayout;
  serial->setContentsMargins(24, 0, 0, 0);
  searchLabel = named(new QLabel(pick(french, "&Chercher :", "&Find:"), this), "searchLabel");
  modelSearch = named(new QLineEdit(this), "modelSearch");
  modelSearch->setPlaceholderText(pick(french, "marque ou modèle", "maker or model"));
  modelSearch->setClearButtonEnabled(true);
  searchLabel->setBuddy(modelSearch);
  modelLabel = named(new QLabel(pick(french, "&Modèle :", "&Model:"), this), "modelLabel");
  modelList = named(new QListWidget(this), "modelList");
  modelList->setMinimumHeight(ListedModelRows * modelList->fontMetrics().height());
  modelList->setMinimumWidth(modelList->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 36);
  modelLabel->setBuddy(modelList);
  for (const HamlibModel& model : hamlibModels()) {
    if (model.network) continue;  // rigctld below stands for the network models
    auto* item = new QListWidgetItem(hamlibModelLabel(model), modelList);
    item->setData(Qt::UserRole, model.id);
    if (model.id == choice.model) modelList->setCurrentItem(item);
  }
  portLabel = named(new QLabel(pick(french, "&Port :", "&Port:"), this), "portLabel");
  portBox = named(new QComboBox(this), "portBox");
  portBox->setEditable(true);
  for (const std::string& port : ports) portBox->addItem(QString::fromStdString(port));
  portBox->setCurrentText(QString::fromStdString(choice.port));
  portLabel->setBuddy(portBox);
  speedLabel = named(new QLabel(pick(french, "&Vitesse :", "Spee&d:"), this), "speedLabel");
  speedBox = named(new QComboBox(this), "speedBox");
  for (const int speed : HamlibSpeeds)
    speedBox->addItem(speed == 0 ? pick(french, "celle du modèle", "the model's own") : QString::number(speed), speed);
  speedBox->setCurrentIndex(std::max(0, speedBox->findData(choice.baud)));
  speedLabel->setBuddy(speedBox);
  serial->addWidget(searchLabel, 0, 0);
  serial->addWidget(modelSearch, 0, 1);
  serial->addWidget(modelLabel, 1, 0, Qt::AlignTop);
  serial->addWidget(modelList, 1, 1);
  serial->addWidget(portLabel, 2, 0);
  serial->addWidget(portBox, 2, 1);
  serial->addWidget(speedLabel, 3, 0);
  serial->addWidget(speedBox, 3, 1);
  layout->addLayout(serial);

  rigctldChoice =
      named(new QRadioButton(pick(french, "Radio derrière &rigctld", "Radio behind &rigctld"), this), "rigctldChoice");
  layout->addWidget(rigctldChoice);
  auto* network = new QGridLayout;
  network->setContentsMargins(24, 0, 0, 0);
  hostLabel = named(new QLabel(pick(french, "&Hôte :", "&Host:"), this), "hostLabel");
  hostEdit = named(new QLineEdit(QString::fromStdString(choice.host), this), "hostEdit");
  hostLabel->setBuddy(hostEdit);
  tcpPortLabel = named(new QLabel(pick(french, "Port &TCP :", "&TCP port:"), this), "tcpPortLabel");
  tcpPortBox = named(new QSpinBox(this), "tcpPortBox");
  tcpPortBox->setRange(1, 65535);
  tcpPortBox->setValue(choice.tcpPort >= 1 && choice.tcpPort <= 65535 ? choice.tcpPort : DefaultRigctldPort);
  tcpPortLabel->setBuddy(tcpPortBox);
  network->addWidget(hostLabel, 0, 0);
  network->addWidget(hostEdit, 0, 1);
  network->addWidget(tcpPortLabel, 1, 0);
  network->addWidget(tcpPortBox, 1, 1);
  layout->addLayout(network);

  buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "buttons");
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(pick(french, "&Annuler", "&Cancel"));
  layout->addWidget(buttons);

  (choice.rigctld ? rigctldChoice : serialChoice)->setChecked(true);
  connect(serialChoice, &QRadioButton::toggled, this, &HamlibDialog::enableLink);
  connect(modelSearch, &QLineEdit::textChanged, this, &HamlibDialog::filterModels);
  connect(buttons, &QDialogButtonBox::accepted, this, &HamlibDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &HamlibDialog::reject);
  enableLink();

  setTabOrder(serialChoice, modelSearch);
  setTabOrder(modelSearch, modelList);
  setTabOrder(modelList, portBox);
  setTabOrder(portBox, speedBox);
  setTabOrder(speedBox, rigctldChoice);
  setTabOrder(rigctldChoice, hostEdit);
  setTabOrder(hostEdit, tcpPortBox);
  giveAltKeys(this);
  adjustSize();
  centreOnScreen(this);
}

void HamlibDialog::filterModels(const QString& search) {
  QListWidgetItem* firstShown = nullptr;
  for (int row = 0; row < modelList->count(); ++row) {
    QListWidgetItem* item = modelList->item(row);
    const HamlibModel* model = hamlibModelOf(item->data(Qt::UserRole).toInt());
    const bool shown = model != nullptr && hamlibModelMatches(*model, search);
    item->setHidden(!shown);
    if (shown && firstShown == nullptr) firstShown = item;
  }
  // The choice follows the search when it no longer shows.
  if (modelList->currentItem() == nullptr || modelList->currentItem()->isHidden())
    modelList->setCurrentItem(firstShown);
  showCurrentModel();
}

void HamlibDialog::showCurrentModel() {
  if (QListWidgetItem* current = modelList->currentItem(); current != nullptr && !current->isHidden())
    modelList->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

void HamlibDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  showCurrentModel();
}

void HamlibDialog::enableLink() {
  const bool serial = serialChoice->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{searchLabel, modelSearch, modelLabel, modelList, portLabel,
                                                          portBox, speedLabel, speedBox})
    control->setEnabled(serial);
  for (QWidget* control : std::initializer_list<QWidget*>{hostLabel, hostEdit, tcpPortLabel, tcpPortBox})
    control->setEnabled(!serial);
}

HamlibChoice HamlibDialog::choice() const {
  HamlibChoice chosen;
  chosen.rigctld = rigctldChoice->isChecked();
  const QListWidgetItem* model = modelList->currentItem();
  chosen.model = model != nullptr && !model->isHidden() ? model->data(Qt::UserRole).toInt() : 0;
  chosen.port = portBox->currentText().trimmed().toStdString();
  chosen.baud = speedBox->currentData().toInt();
  chosen.host = hostEdit->text().trimmed().toStdString();
  chosen.tcpPort = tcpPortBox->value();
  return chosen;
}

void HamlibDialog::accept() {
  if (const QString problem = hamlibChoiceProblem(choice(), french_); !problem.isEmpty()) {
    dialogs_.message(problem);
    return;
  }
  QDialog::accept();
}

}  // namespace brivant
