#include "core/ui/Main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "core/LogFile.h"
#include "core/MissingFile.h"
#include "core/Safeguards.h"
#include "core/ui/Accessibility.h"
#include "core/ui/Gestion_Erreur.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/QsoListModel.h"
#include "core/ui/StartupTexts.h"
#include "core/ui/Station.h"
#include "platform/Cp1252.h"
#include "platform/Diagnostics.h"

namespace brivant {

namespace {

// Hands the keys pressed anywhere in a window to its handlers before any
// field sees them: it watches the whole application, as only that comes
// before the fields' own filters.
class WindowKeyFilter final : public QObject {
 public:
  WindowKeyFilter(QWidget* window, std::function<bool(QKeyEvent&)> handle)
      : QObject(window), window_(window), handle_(std::move(handle)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    return handle_(static_cast<QKeyEvent&>(*event));
  }

 private:
  QWidget* window_;
  std::function<bool(QKeyEvent&)> handle_;
};

}  // namespace

Main::Main(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
  setObjectName(QStringLiteral("Main"));
  // The program's name until the language's title replaces it.
  setWindowTitle(QStringLiteral("Brivant"));
  nameDropDownListsByCaption();
  buildControls();
  buildMenus();
  giveAltKeys(this);
  openMenuBarOnF10(menuBar());
  connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
  // Room for the whole form, the grid and a dozen contacts on a 1366 x 768
  // screen; the list takes whatever more the window is given.
  resize(1340, 700);
}

Main::~Main() = default;

MainOperations Main::operations() {
  MainOperations ops;
  ops.window = this;
  ops.Charge_Liste_QSO = [this] { return Charge_Liste_QSO(); };
  ops.showList = [this](std::vector<std::string> lines) { showList(std::move(lines)); };
  ops.appendListLine = [this](std::string line) { appendListLine(std::move(line)); };
  ops.listLines = [this]() -> const std::vector<std::string>& { return listLines(); };
  ops.selectedQso = [this] { return selectedQso(); };
  ops.selectLastQso = [this] { selectLastQso(); };
  ops.Affiche_Departements = [this](std::string_view band, std::string_view mode) {
    return Affiche_Departements(band, mode);
  };
  ops.showEntryGrid = [this](Frame3Caller caller, std::string_view entryBand) {
    return showEntryGrid(caller, entryBand);
  };
  ops.showPoints = [this] { return showPoints(); };
  ops.raiseFileError = [this](const FileError& error, std::string_view missingLabel) {
    raiseFileError(error, missingLabel);
  };
  ops.programEnded = [this] { return programEnded(); };
  ops.endProgram = [this](int exitCode) { endProgram(exitCode); };
  ops.askForStation = [this] {
    state_.dialogs.message(firstRunMessage(french()));
    Mnu_Station_Click();
  };
  ops.automaticDate = [this] { return automaticDate(); };
  ops.utcTime = [this] { return utcTime(); };
  ops.runClock = [this](bool running) {
    if (running)
      Timer1->start();
    else
      Timer1->stop();
  };
  ops.onKeyPress = [this](QWidget* field, KeyHandler handler) { onKeyPress(field, std::move(handler)); };
  ops.onMouse = [this](QWidget* field, int eventType, MouseHandler handler) {
    onMouse(field, eventType, std::move(handler));
  };
  ops.onWindowKey = [this](KeyHandler handler) { onWindowKey(std::move(handler)); };
  return ops;
}

void Main::setDeptGrid(QWidget* grid) {
  auto* layout = qobject_cast<QVBoxLayout*>(Frame3->layout());
  layout->insertWidget(0, grid);
}

void Main::placeUnderEntry(QWidget* line) {
  auto* layout = qobject_cast<QVBoxLayout*>(Frame4->layout());
  // Before the stretch that closes the form.
  layout->insertWidget(layout->count() - 1, line);
}

// --- The end of the program ---------------------------------------------------

void Main::endProgram(int exitCode) {
  if (programEnded_) return;
  programEnded_ = true;
  Timer1->stop();
  if (endProgram_)
    endProgram_(exitCode);
  else
    QCoreApplication::exit(exitCode);
}

void Main::closeEvent(QCloseEvent* event) {
  if (!programEnded_ && !backupDone_) {
    backupDone_ = true;
    if (hooks_.closing && (logLoaded_ || !endRequested_)) hooks_.closing(!endRequested_);
  }
  event->accept();
  endProgram(0);
}

void Main::endOnRequest() {
  if (programEnded_) return;
  endRequested_ = true;
  close();
}

void Main::Mnu_Quitter_Click() { close(); }

// --- Other windows ------------------------------------------------------------

Station* Main::stationWindow() {
  if (station_ == nullptr) station_ = new Station(*this);
  return station_;
}

void Main::Mnu_Station_Click() { stationWindow()->openNonModal(); }

void Main::Mnu_Historique_Click() { state_.dialogs.message(QString::fromStdString(historyText())); }

void Main::raiseFileError(const FileError& error, std::string_view missingLabel) {
  if (programEnded_) return;
  if (error.number != FileNotFound) {
    state_.dialogs.message(runtimeErrorMessage(error));
    endProgram(1);
    return;
  }
  Diagnostics::fileError(error, "the missing-file window names " + state_.StationCall + std::string(missingLabel));
  if (errorWindow_ == nullptr) errorWindow_ = new Gestion_Erreur(*this);
  errorWindow_->raise(missingLabel);
}

// --- The list, the grid and the score ------------------------------------------

bool Main::Charge_Liste_QSO() {
  if (programEnded_) return false;
  listModel_->clear();
  // Let the window repaint once before the file is read.
  QCoreApplication::processEvents();
  // A write cut short never becomes a contact: its line goes aside first (a
  // missing log is left to the loading, which raises the missing-file window).
  if (Result<std::optional<std::string>> torn = setAsideTornLogLine(state_.programDir, state_.StationCall); !torn) {
    if (torn.error().number != FileNotFound) {
      raiseFileError(torn.error(), MissingFileLabel::Log);
      return false;
    }
  } else if (*torn) {
    state_.dialogs.message(tornLogLineMessage(french(), state_.programDir, state_.StationCall));
  }
  Result<ListLines> lines = brivant::Charge_Liste_QSO(state_.programDir, state_.StationCall);
  if (!lines) {
    state_.QsoCount = 0;
    raiseFileError(lines.error(), MissingFileLabel::Log);
    return false;
  }
  // Damaged lines are said once for each station's log, which stays as it is.
  if (const std::size_t damaged = damagedLineCount(*lines); damaged > 0 && damageSaidFor_ != state_.StationCall) {
    damageSaidFor_ = state_.StationCall;
    state_.dialogs.message(damagedLogLinesMessage(french(), state_.StationCall, damaged));
  }
  showList(std::move(lines).value());
  return true;
}

void Main::showList(std::vector<std::string> lines) {
  listModel_->setLines(std::move(lines));
  refreshContactCount();
}

void Main::refreshContactCount() {
  state_.QsoCount = listModel_->rowCount();
  Frame4->setTitle(frame4Caption(french(), state_.QsoCount));
}

bool Main::Affiche_Departements(std::string_view band, std::string_view mode) {
  if (programEnded_) return false;
  state_.GridBand = band;
  return !hooks_.showGrid || hooks_.showGrid(band, mode);
}

bool Main::showEntryGrid(Frame3Caller caller, std::string_view entryBand) {
  const std::string mode = Cp1252::fromQString(Mode_A->currentText());
  if (!Affiche_Departements(entryBand, mode)) return false;
  Frame3->setTitle(frame3Caption(caller, french(), state_.DeptCount, state_.GridBand, mode));
  return true;
}

bool Main::showPoints() {
  if (programEnded_) return false;
  return !hooks_.showPoints || hooks_.showPoints();
}

void Main::appendListLine(std::string listLine) {
  listModel_->appendLine(std::move(listLine));
  state_.QsoCount = listModel_->rowCount();
}

void Main::selectLastQso() { selectQso(listModel_->rowCount() - 1); }

void Main::selectQso(int row) {
  if (row < 0 || row >= listModel_->rowCount()) {
    Liste_QSO->clearSelection();
    return;
  }
  const QModelIndex index = listModel_->index(row);
  Liste_QSO->setCurrentIndex(index);
  Liste_QSO->scrollTo(index);
}

const std::vector<std::string>& Main::listLines() const { return listModel_->lines(); }

int Main::selectedQso() const {
  const QModelIndexList selected = Liste_QSO->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.front().row();
}

// --- Keys and clicks of the fields -----------------------------------------------------------

void Main::onKeyPress(QWidget* field, KeyHandler handler) {
  keyHandlers_[field] = std::move(handler);
  field->installEventFilter(this);
}

void Main::onMouse(QWidget* field, int eventType, MouseHandler handler) {
  mouseHandlers_[{field, eventType}] = std::move(handler);
  field->installEventFilter(this);
  // Clicks on an editable combo's text land on its line edit.
  if (auto* combo = qobject_cast<QComboBox*>(field); combo != nullptr && combo->lineEdit() != nullptr)
    combo->lineEdit()->installEventFilter(this);
}

void Main::onWindowKey(KeyHandler handler) {
  windowKeyHandlers_.push_back(std::move(handler));
  if (windowKeyFilter_ != nullptr) return;
  windowKeyFilter_ = new WindowKeyFilter(this, [this](QKeyEvent& event) {
    for (const KeyHandler& handle : windowKeyHandlers_)
      if (handle(event)) return true;
    return false;
  });
}

QWidget* Main::fieldOf(QObject* watched) const {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return nullptr;
  if (auto* combo = qobject_cast<QComboBox*>(widget->parentWidget()); combo != nullptr && combo->lineEdit() == widget)
    return combo;
  return widget;
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress) {
    // Keys reach an editable combo itself (its line edit is only its proxy).
    if (auto found = keyHandlers_.find(qobject_cast<QWidget*>(watched)); found != keyHandlers_.end())
      return found->second(static_cast<QKeyEvent&>(*event));
  } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
             type == QEvent::MouseButtonRelease) {
    if (auto found = mouseHandlers_.find({fieldOf(watched), static_cast<int>(type)}); found != mouseHandlers_.end())
      return found->second(static_cast<QMouseEvent&>(*event));
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace brivant
