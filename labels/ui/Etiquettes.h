#pragma once
// The label window: the activity and station texts, the label type, the
// sheet format, the QSL text and the print options of the QSL labels, with
// the print job and its preview.  It prints the contacts chosen in the
// selection window behind it.

#include <QWidget>
#include <array>
#include <optional>

#include "core/AppState.h"
#include "labels/LabelFields.h"
#include "labels/LabelSettings.h"
#include "labels/LabelSheets.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace brivant {

class LabelSelection;
class Printer;

class Etiquettes final : public QWidget {
  Q_OBJECT

 public:
  Etiquettes(AppState& state, Printer& printer, const LabelSelection& selection, QWidget* parent = nullptr);

  // Form_Load: centre, captions in the interface language, Ct_V, the station
  // callsign, then every entry as the last print job stored it.
  void Form_Load();

  // The entries as the window holds them now.
  LabelSettings settingsOfControls() const;
  LabelJob jobOfControls() const;
  // The line edit of a field.
  QLineEdit* field(LabelField which) const;

  QLabel* Label1 = nullptr;  // the title
  QLabel* indicaCaption = nullptr;
  QLabel* Indica = nullptr;
  // Type_Etiquette items 2 and 3.
  std::array<QRadioButton*, 2> Type_Etiquette{};
  QGroupBox* formatFrame = nullptr;
  // F_Etiquette items 1 to 5 are F_Etiquette[0] to F_Etiquette[4].
  std::array<QRadioButton*, LabelFormatCount> F_Etiquette{};
  QGroupBox* printOptionsFrame = nullptr;
  std::array<QLabel*, 4> adviceLines{};
  QLabel* ctVCaption = nullptr;
  QComboBox* Ct_V = nullptr;
  QLabel* ctVUnit = nullptr;
  QCheckBox* Arret_Imp = nullptr;
  QLabel* startLabelCaption = nullptr;
  QSpinBox* StartLabel = nullptr;
  QGroupBox* qslFrame = nullptr;
  std::array<QRadioButton*, 3> QSL{};
  QGroupBox* activationFrame = nullptr;
  QLineEdit* Num_Activ = nullptr;
  QLineEdit* Nom_Activite = nullptr;
  QLineEdit* Num_Canton = nullptr;
  QLineEdit* Num_CP = nullptr;
  QLineEdit* Nom_Commune = nullptr;
  QPushButton* Effacer = nullptr;
  QGroupBox* stationFrame = nullptr;
  QLineEdit* Rx_Tx = nullptr;
  QLineEdit* Antenne = nullptr;
  // The captions of the seven fields, in the order of LabelFields.
  std::array<QLabel*, LabelFields.size()> fieldCaptions{};
  // The pictures of an individual label and of a castle label.
  QLabel* individualSample = nullptr;
  QLabel* castleSample = nullptr;
  QPushButton* Selection = nullptr;
  QPushButton* Preview = nullptr;
  QPushButton* Imprime = nullptr;

 public slots:
  void Imprime_Click();
  void Preview_Click();
  void Effacer_Click();
  void Selection_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildControls();
  // The groups of controls, from the top of the window down.
  void buildTitle(QVBoxLayout* layout);
  QVBoxLayout* buildTypes();
  QVBoxLayout* buildOptions();
  void buildTexts(QVBoxLayout* types, QVBoxLayout* options);
  void buildButtons(QVBoxLayout* layout);
  void setCaptions();
  void showSamples();
  void applySettings(const LabelSettings& settings);
  // Enter in a field: its check, then the next field of the chain.
  void fieldEnter(LabelField which);
  // The checks before a job: the antenna's length, then a character no label
  // can carry.  False after the message.
  bool textsCanBePrinted();
  // The job has contacts and a label type; false after the message.
  bool jobHasLabels(const LabelJob& job);
  // Starts the start-label box at 1 with the format's number of labels.
  void fitStartLabel();

  AppState& state_;
  Printer& printer_;
  const LabelSelection& selection_;
};

}  // namespace brivant
