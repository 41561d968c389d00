#pragma once
// The CW messages of the function keys, sent through a keyer: cwdaemon over
// UDP or the radio's own keyer through hamlib.  In the main window F1 to F8
// send their message whatever field has the focus, Escape stops a message
// being sent (and does nothing else then), PgUp and PgDn change the speed by
// 2 wpm while a keyer is chosen (in the list of contacts they keep paging
// it).  A line under the entry shows the speed, what is being sent and what
// went wrong.  Nothing here waits for a keyer: cwdaemon's datagrams go out
// at once and its answers come back as signals, the radio is keyed on the
// thread of its link.

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "cluster/CwMessages.h"
#include "core/ui/MainOperations.h"
#include "platform/RadioLink.h"

class QAction;
class QLabel;
class QTimer;
class QWidget;

namespace brivant {

class CwdaemonLink;
class CwMessagesDialog;

class CwKeyer final : public QObject {
  Q_OBJECT

 public:
  // The items of the Options menu the keyer answers.
  struct Menu {
    QAction* none = nullptr;
    QAction* cwdaemon = nullptr;
    QAction* radio = nullptr;
  };
  // How long cwdaemon may take past the time the text itself takes before
  // it counts as not answering, and the radio's message past its own time
  // before it counts as sent when hamlib cannot say.
  struct Timing {
    int replyMarginMs = 3'000;
    int radioMarginMs = 300;
    int speedSaveMs = 700;  // the speed is stored once PgUp and PgDn rest
  };

  // radio is the link of the hamlib radio, which outlives the keyer.
  CwKeyer(MainView view, RadioLink& radio, Menu menu);
  CwKeyer(MainView view, RadioLink& radio, Menu menu, Timing timing);
  ~CwKeyer() override;

  // The line under the entry, for the main window to place.
  QWidget* line() const { return line_; }
  QLabel* speedLabel = nullptr;
  QLabel* sentLabel = nullptr;
  QLabel* noticeLabel = nullptr;

  // The stored keyer and speed, with their menu item checked.
  void restore();

  // F1 to F8: the message of the key (1 to 8), its macros replaced.
  void sendMessage(int key);
  // Escape: the message being sent stops; false when none is.
  bool stopSending();
  bool sending() const { return sending_.has_value(); }
  // PgUp and PgDn.
  void changeSpeed(int steps);
  int speed() const { return wpm_; }

  // The Options menu: the keyer, and for cwdaemon its address asked first.
  void chooseKeyer(KeyerKind kind);
  void chooseCwdaemon();
  KeyerKind keyer() const { return keyer_; }
  CwdaemonLink& cwdaemon() { return *cwdaemon_; }

  // "Messages CW…": the window of the eight messages.
  void openMessages();
  CwMessagesDialog* messagesWindow() const;

 signals:
  // The end of a message (keyed, stopped, failed), for those who watch the
  // keyer.
  void messageEnded();

 private:
  struct Sending {
    int id = 0;
    QString text;
  };
  bool windowKey(QKeyEvent& event);
  CwMacroValues macroValues() const;
  void sendToCwdaemon(const std::string& text, int id);
  void sendToRadio(const std::string& text, int id);
  void cwdaemonAnswered(const QByteArray& datagram);
  void cwdaemonFailed(const QString& reason);
  void radioReported(const MorseReport& report);
  void aimCwdaemon();
  void abortCurrent();
  void finish();
  void checkKeyerItem();
  void showNotice(const QString& text);
  // A keyer that does not answer is said once, until it answers again.
  void sayFailure(const QString& text, const std::string& diagnostic);
  void keyerAnswered();
  bool french() const { return view_.french(); }

  MainView view_;
  RadioLink& radio_;
  Menu menu_;
  Timing timing_;
  CwdaemonLink* cwdaemon_;
  // Placed in the main window, which may delete it before this object.
  QPointer<QWidget> line_;
  QTimer* endTimer_;
  QTimer* speedSave_;
  QPointer<CwMessagesDialog> messages_;
  KeyerKind keyer_ = KeyerKind::None;
  int wpm_ = DefaultWpm;
  int lastId_ = 0;
  std::optional<Sending> sending_;
  bool failureSaid_ = false;
};

}  // namespace brivant
