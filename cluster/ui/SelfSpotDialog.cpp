#include "cluster/ui/SelfSpotDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cluster/CwMessages.h"
#include "core/Language.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Named.h"
#include "platform/Cp1252.h"
#include "platform/Dialogs.h"

namespace brivant {

SelfSpotDialog::SelfSpotDialog(bool french, const SelfSpotFields& fields, Dialogs& dialogs, Send send, QWidget* parent)
    : QDialog(parent), french_(french), dialogs_(dialogs), send_(std::move(send)) {
  setObjectName(QStringLiteral("SelfSpotDialog"));
  setWindowTitle(pick(french, "Annoncer sur le cluster", "Spot on the cluster"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  frequencyLabel = named(new QLabel(pick(french, "&Fréquence (kHz) :", "&Frequency (kHz):"), this), "frequencyLabel");
  frequency = named(new QLineEdit(Cp1252::toQString(fields.khz), this), "frequency");
  frequency->setPlaceholderText(QStringLiteral("14025.0"));
  callLabel = named(new QLabel(pick(french, "&Indicatif :", "Call&sign:"), this), "callLabel");
  call = named(new QLineEdit(Cp1252::toQString(fields.call), this), "call");
  call->setMaxLength(SpotCallLength);
  commentLabel = named(new QLabel(pick(french, "C&ommentaire :", "C&omment:"), this), "commentLabel");
  comment = named(new QLineEdit(Cp1252::toQString(fields.comment), this), "comment");
  comment->setMaxLength(SpotCommentLength);
  comment->setMinimumWidth(comment->fontMetrics().horizontalAdvance(QLatin1Char('M')) * (SpotCommentLength + 2));
  for (auto [label, field] : {std::pair{frequencyLabel, frequency}, {callLabel, call}, {commentLabel, comment}}) {
    label->setBuddy(field);
    form->addRow(label, field);
  }
  layout->addLayout(form);
  // Typed callsigns are in capitals.
  connect(call, &QLineEdit::textEdited, this, [this](const QString& text) {
    const QString upper = Cp1252::upperAscii(text);
    if (upper == text) return;
    const int caret = call->cursorPosition();
    call->setText(upper);
    call->setCursorPosition(caret);
  });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  sendButton = named(new QPushButton(pick(french, "Envoyer", "Send"), this), "sendButton");
  cancelButton = named(new QPushButton(pick(french, "Annuler", "Cancel"), this), "cancelButton");
  buttons->addWidget(sendButton);
  buttons->addWidget(cancelButton);
  layout->addLayout(buttons);
  connect(sendButton, &QPushButton::clicked, this, &SelfSpotDialog::sendSpot);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

  giveAltKeys(this);
  enterClicks(this, sendButton);
  // The frequency first when there is none yet, else the comment.
  (frequency->text().isEmpty() ? frequency : comment)->setFocus();
  adjustSize();
  centreOnScreen(this);
}

void SelfSpotDialog::sendSpot() {
  SelfSpotCommand command = selfSpotCommand(Cp1252::fromQString(frequency->text()), Cp1252::fromQString(call->text()),
                                            Cp1252::fromQString(comment->text()));
  // A character Windows-1252 cannot hold is no more ASCII than one it can.
  if (command.problem == SelfSpotProblem::None && firstNonAscii(comment->text()))
    command.problem = SelfSpotProblem::CommentNotAscii;
  if (command.problem != SelfSpotProblem::None) {
    dialogs_.message(selfSpotProblemMessage(french_, command.problem));
    QLineEdit* field = command.problem == SelfSpotProblem::Frequency  ? frequency
                       : command.problem == SelfSpotProblem::Callsign ? call
                                                                      : comment;
    field->setFocus();
    return;
  }
  if (send_(command.line, command.call)) accept();
}

}  // namespace brivant
