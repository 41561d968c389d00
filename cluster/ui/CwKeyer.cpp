#include "cluster/ui/CwKeyer.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTimer>

#include "cluster/ClusterSettings.h"
#include "cluster/CwdaemonRequests.h"
#include "cluster/ui/CwMessagesDialog.h"
#include "core/Language.h"
#include "core/Safeguards.h"
#include "core/Station.h"
#include "core/ui/EntryForm.h"
#include "core/ui/Named.h"
#include "platform/Cp1252.h"
#include "platform/CwdaemonLink.h"
#include "platform/Diagnostics.h"

namespace brivant {

namespace {

std::string textOf(const QLineEdit* field) { return Cp1252::fromQString(field->text()); }

}  // namespace

CwKeyer::CwKeyer(MainView view, RadioLink& radio, Menu menu) : CwKeyer(std::move(view), radio, menu, Timing{}) {}

CwKeyer::CwKeyer(MainView view, RadioLink& radio, Menu menu, Timing timing)
    : QObject(view.main.window),
      view_(std::move(view)),
      radio_(radio),
      menu_(menu),
      timing_(timing),
      cwdaemon_(new CwdaemonLink(this)),
      line_(named(new QWidget(view_.main.window), "cwLine")),
      endTimer_(new QTimer(this)),
      speedSave_(new QTimer(this)) {
  setObjectName(QStringLiteral("CwKeyer"));
  const bool fr = french();
  auto* layout = new QHBoxLayout(line_.data());
  layout->setContentsMargins(0, 2, 0, 0);
  speedLabel = named(new QLabel(speedText(wpm_), line_), "cwSpeed");
  speedLabel->setFrameShape(QFrame::Panel);
  speedLabel->setFrameShadow(QFrame::Sunken);
  speedLabel->setMinimumWidth(speedLabel->fontMetrics().horizontalAdvance(QStringLiteral("60 wpm")) + 12);
  speedLabel->setAlignment(Qt::AlignCenter);
  speedLabel->setAccessibleName(pick(fr, "Vitesse CW", "CW speed"));
  sentLabel = named(new QLabel(line_), "cwSent");
  sentLabel->setTextFormat(Qt::PlainText);
  QFont bold = sentLabel->font();
  bold.setBold(true);
  sentLabel->setFont(bold);
  sentLabel->setAccessibleName(pick(fr, "Message CW en cours", "CW message being sent"));
  noticeLabel = named(new QLabel(line_), "cwNotice");
  noticeLabel->setTextFormat(Qt::PlainText);
  noticeLabel->setStyleSheet(QStringLiteral("color: #b00000"));
  noticeLabel->setAccessibleName(pick(fr, "Avis du manipulateur", "Keyer notice"));
  layout->addWidget(speedLabel);
  layout->addWidget(sentLabel, 1);
  layout->addWidget(noticeLabel);

  endTimer_->setSingleShot(true);
  connect(endTimer_, &QTimer::timeout, this, [this] {
    if (keyer_ == KeyerKind::Cwdaemon)
      sayFailure(cwdaemonSilentNotice(french(), cwdaemon_->address()), "cwdaemon did not say a message was sent");
    finish();
  });
  speedSave_->setSingleShot(true);
  connect(speedSave_, &QTimer::timeout, this,
          [this] { saveSetting(view_.state, CwSettings::Speed, std::to_string(wpm_)); });
  connect(cwdaemon_, &CwdaemonLink::datagramReceived, this, &CwKeyer::cwdaemonAnswered);
  connect(cwdaemon_, &CwdaemonLink::failed, this, &CwKeyer::cwdaemonFailed);
  connect(&radio_, &RadioLink::morseReported, this, &CwKeyer::radioReported);
  view_.main.onWindowKey([this](QKeyEvent& event) { return windowKey(event); });
}

CwKeyer::~CwKeyer() {
  // A speed changed just before the end is kept; nobody is left to hear
  // that it could not be.
  if (speedSave_->isActive())
    (void)Settings::save(view_.state.settings, CwSettings::Speed, view_.state.StationCall, std::to_string(wpm_));
}

void CwKeyer::restore() {
  const SettingsStore& store = view_.state.settings;
  const std::string& call = view_.state.StationCall;
  keyer_ = keyerKindOf(Settings::getInt(store, CwSettings::Keyer, call));
  wpm_ = boundedWpm(Settings::getInt(store, CwSettings::Speed, call, DefaultWpm));
  speedLabel->setText(speedText(wpm_));
  checkKeyerItem();
  if (keyer_ == KeyerKind::Cwdaemon) aimCwdaemon();
}

bool CwKeyer::windowKey(QKeyEvent& event) {
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  const int key = event.key();
  if (key >= Qt::Key_F1 && key <= Qt::Key_F8) {
    // A key held down sends its message once.
    if (!event.isAutoRepeat()) sendMessage(key - Qt::Key_F1 + 1);
    return true;
  }
  if (key == Qt::Key_Escape) return stopSending();
  if ((key == Qt::Key_PageUp || key == Qt::Key_PageDown) && keyer_ != KeyerKind::None &&
      !view_.form.Liste_QSO->hasFocus()) {
    changeSpeed(key == Qt::Key_PageUp ? 1 : -1);
    return true;
  }
  return false;
}

CwMacroValues CwKeyer::macroValues() const {
  CwMacroValues values = stationMacroValues(view_.state.settings, view_.state.StationCall);
  values.call = Cp1252::upperAscii(textOf(view_.form.Indicatif_A));
  values.rst = textOf(view_.form.RSTE_A);
  values.name = textOf(view_.form.Prenom_A);
  return values;
}

void CwKeyer::sendMessage(int key) {
  const bool fr = french();
  if (keyer_ == KeyerKind::None) {
    showNotice(noKeyerNotice(fr));
    return;
  }
  const std::string message = Cp1252::fromUtf8(Settings::getText(view_.state.settings, CwSettings::Messages[key - 1],
                                                                 view_.state.StationCall, defaultCwMessage(key, fr)));
  const CwText text = expandCwMessage(message, macroValues());
  if (text.text.empty()) {
    showNotice(emptyMessageNotice(fr, key));
    return;
  }
  abortCurrent();
  const int id = ++lastId_;
  sending_ = Sending{id, QString::fromLatin1(text.text)};
  sentLabel->setText(sending_->text);
  if (!failureSaid_) {
    if (!text.unknown.empty())
      showNotice(unknownMacroNotice(fr, text.unknown));
    else if (text.cut)
      showNotice(cutMessageNotice(fr));
    else
      noticeLabel->clear();
  }
  if (keyer_ == KeyerKind::Cwdaemon)
    sendToCwdaemon(text.text, id);
  else
    sendToRadio(text.text, id);
}

void CwKeyer::sendToCwdaemon(const std::string& text, int id) {
  for (const std::string& datagram : Cwdaemon::messageDatagrams(text, wpm_, std::to_string(id)))
    cwdaemon_->send(QByteArray::fromStdString(datagram));
  endTimer_->start(morseDurationMs(text, wpm_) + timing_.replyMarginMs);
}

void CwKeyer::sendToRadio(const std::string& text, int id) {
  if (!radio_.running()) {
    showNotice(noHamlibRadioNotice(french()));
    finish();
    return;
  }
  if (!radio_.sendMorse(id, text, wpm_)) {
    sayFailure(silentRadioNotice(french()), "the radio is not answering: no message keyed");
    finish();
  }
}

void CwKeyer::cwdaemonAnswered(const QByteArray& datagram) {
  keyerAnswered();
  if (sending_ && Cwdaemon::isReplyTo(datagram.toStdString(), std::to_string(sending_->id))) finish();
}

void CwKeyer::cwdaemonFailed(const QString& reason) {
  if (keyer_ != KeyerKind::Cwdaemon) return;
  sayFailure(cwdaemonSilentNotice(french(), cwdaemon_->address()),
             "cwdaemon at " + cwdaemon_->address().toStdString() + ": " + reason.toStdString());
  if (sending_) finish();
}

void CwKeyer::radioReported(const MorseReport& report) {
  const bool current = sending_ && sending_->id == report.id;
  switch (report.kind) {
    case MorseReport::Kind::Started:
      keyerAnswered();
      if (current && !report.endReported)
        endTimer_->start(morseDurationMs(sending_->text.toStdString(), wpm_) + timing_.radioMarginMs);
      return;
    case MorseReport::Kind::Ended:
      if (current) finish();
      return;
    case MorseReport::Kind::Stopped:
      return;
    case MorseReport::Kind::NoKeyer:
      showNotice(radioHasNoKeyerNotice(french()));
      break;
    case MorseReport::Kind::CannotStop:
      showNotice(radioCannotStopNotice(french()));
      return;
    case MorseReport::Kind::Failed:
      sayFailure(radioKeyerFailedNotice(french()), "the radio's keyer: " + report.error);
      break;
  }
  if (current) finish();
}

bool CwKeyer::stopSending() {
  if (!sending_) return false;
  abortCurrent();
  finish();
  return true;
}

void CwKeyer::abortCurrent() {
  if (!sending_) return;
  endTimer_->stop();
  if (keyer_ == KeyerKind::Cwdaemon)
    cwdaemon_->send(QByteArray::fromStdString(Cwdaemon::abortRequest()));
  else if (keyer_ == KeyerKind::Radio)
    radio_.stopMorse(sending_->id);
}

void CwKeyer::finish() {
  endTimer_->stop();
  const bool wasSending = sending_.has_value();
  sending_.reset();
  sentLabel->clear();
  if (wasSending) emit messageEnded();
}

void CwKeyer::changeSpeed(int steps) {
  const int wpm = boundedWpm(wpm_ + steps * WpmStep);
  if (wpm == wpm_) return;
  wpm_ = wpm;
  speedLabel->setText(speedText(wpm_));
  speedSave_->start(timing_.speedSaveMs);
  // cwdaemon takes the new speed on the fly, for the message being keyed,
  // which may then take longer: it is given its whole time again.
  if (keyer_ != KeyerKind::Cwdaemon) return;
  cwdaemon_->send(QByteArray::fromStdString(Cwdaemon::speedRequest(wpm_)));
  if (sending_) endTimer_->start(morseDurationMs(sending_->text.toStdString(), wpm_) + timing_.replyMarginMs);
}

void CwKeyer::chooseKeyer(KeyerKind kind) {
  stopSending();
  keyer_ = kind;
  failureSaid_ = false;
  noticeLabel->clear();
  saveSetting(view_.state, CwSettings::Keyer, std::to_string(static_cast<int>(kind)));
  checkKeyerItem();
  if (kind == KeyerKind::Cwdaemon) aimCwdaemon();
  if (kind == KeyerKind::Radio && !radio_.running()) showNotice(noHamlibRadioNotice(french()));
}

void CwKeyer::chooseCwdaemon() {
  const bool fr = french();
  AppState& state = view_.state;
  const ClusterSettings::NodeAddress current{
      Settings::getText(state.settings, CwSettings::KeyerHost, state.StationCall),
      Settings::getInt(state.settings, CwSettings::KeyerPort, state.StationCall, CwSettings::DefaultKeyerPort)};
  const std::optional<QString> typed = state.dialogs.askText(
      cwdaemonAddressQuestion(fr), QString::fromStdString(ClusterSettings::nodeAddressText(current)));
  std::optional<ClusterSettings::NodeAddress> address;
  if (typed) {
    address = ClusterSettings::nodeAddressOf(Cp1252::fromQString(*typed), CwSettings::DefaultKeyerPort);
    if (!address) state.dialogs.message(badCwdaemonAddressMessage(fr));
  }
  if (!address || !saveSettings(state, {{CwSettings::KeyerHost, address->host},
                                        {CwSettings::KeyerPort, std::to_string(address->port)}})) {
    checkKeyerItem();  // the keyer stays as it was
    return;
  }
  chooseKeyer(KeyerKind::Cwdaemon);
}

void CwKeyer::aimCwdaemon() {
  const AppState& state = view_.state;
  const std::string host = Settings::getText(state.settings, CwSettings::KeyerHost, state.StationCall);
  const int port =
      Settings::getInt(state.settings, CwSettings::KeyerPort, state.StationCall, CwSettings::DefaultKeyerPort);
  cwdaemon_->aim(QString::fromStdString(host), static_cast<quint16>(port));
}

void CwKeyer::checkKeyerItem() {
  QAction* item = keyer_ == KeyerKind::Cwdaemon ? menu_.cwdaemon
                  : keyer_ == KeyerKind::Radio  ? menu_.radio
                                                : menu_.none;
  if (item != nullptr) item->setChecked(true);
}

void CwKeyer::showNotice(const QString& text) { noticeLabel->setText(text); }

void CwKeyer::sayFailure(const QString& text, const std::string& diagnostic) {
  if (failureSaid_) return;
  failureSaid_ = true;
  showNotice(text);
  Diagnostics::deviceError(diagnostic);
}

void CwKeyer::keyerAnswered() {
  if (!failureSaid_) return;
  failureSaid_ = false;
  noticeLabel->clear();
}

CwMessagesDialog* CwKeyer::messagesWindow() const { return messages_; }

void CwKeyer::openMessages() {
  // A window closed earlier has deleted itself, or is about to: it is made
  // anew, as the station or the language may have changed since.
  if (messages_ == nullptr || !messages_->isVisible()) {
    messages_ = new CwMessagesDialog(view_.state, view_.main.window);
    messages_->setAttribute(Qt::WA_DeleteOnClose);
  }
  messages_->show();
  messages_->raise();
  messages_->activateWindow();
}

}  // namespace brivant
