#include "tests/support/ScriptedDialogs.h"

#include <sstream>

namespace brivant::testing {

TextMatch::TextMatch(const QString& exact) : matcher_(::testing::Eq(exact.toStdString())) {}

TextMatch::TextMatch(const char* exactUtf8) : matcher_(::testing::Eq(std::string(exactUtf8))) {}

std::string TextMatch::describe() const {
  std::ostringstream out;
  matcher_.DescribeTo(&out);
  return out.str();
}

ScriptedDialogs::~ScriptedDialogs() { verifyAllConsumed(); }

void ScriptedDialogs::setLenient(bool lenient, bool answer) {
  lenient_ = lenient;
  lenientAnswer_ = answer;
}

ScriptedDialogs& ScriptedDialogs::expectMessage(TextMatch text) {
  queue_.push_back({Kind::Message, std::move(text), true});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectYesNo(TextMatch text, bool yes) {
  queue_.push_back({Kind::YesNo, std::move(text), yes});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectYesNoDefaultNo(TextMatch text, bool yes) {
  queue_.push_back({Kind::YesNoDefaultNo, std::move(text), yes});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectOkCancel(TextMatch text, bool ok) {
  queue_.push_back({Kind::OkCancel, std::move(text), ok});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectPrinter(bool chosen) {
  queue_.push_back({Kind::Printer, TextMatch(::testing::_), chosen});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectPrinter(std::function<bool(QPrinter&)> choose) {
  queue_.push_back({Kind::Printer, TextMatch(::testing::_), true, std::nullopt, std::move(choose)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectSaveFile(TextMatch title, std::optional<QString> reply) {
  queue_.push_back({Kind::SaveFile, std::move(title), reply.has_value(), std::move(reply)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectOpenFile(TextMatch title, std::optional<QString> reply) {
  queue_.push_back({Kind::OpenFile, std::move(title), reply.has_value(), std::move(reply)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectText(TextMatch prompt, std::optional<QString> reply) {
  queue_.push_back({Kind::Text, std::move(prompt), reply.has_value(), std::move(reply)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectPreview(bool paint) {
  queue_.push_back({Kind::Preview, TextMatch(::testing::_), paint});
  return *this;
}

void ScriptedDialogs::verifyAllConsumed() {
  for (const Expectation& left : queue_) {
    ADD_FAILURE() << "expected " << kindName(left.kind) << " box was never shown: text " << left.text.describe();
  }
  queue_.clear();
}

QStringList ScriptedDialogs::texts() const {
  QStringList out;
  for (const Shown& box : shown_) out << box.text;
  return out;
}

QStringList ScriptedDialogs::texts(Kind kind) const {
  QStringList out;
  for (const Shown& box : shown_) {
    if (box.kind == kind) out << box.text;
  }
  return out;
}

QString ScriptedDialogs::lastText() const { return shown_.empty() ? QString() : shown_.back().text; }

const char* ScriptedDialogs::kindName(Kind kind) {
  switch (kind) {
    case Kind::Message:
      return "message (OK)";
    case Kind::YesNo:
      return "Yes/No";
    case Kind::YesNoDefaultNo:
      return "Yes/No (No by default)";
    case Kind::OkCancel:
      return "OK/Cancel";
    case Kind::Printer:
      return "printer choice";
    case Kind::SaveFile:
      return "save file";
    case Kind::OpenFile:
      return "open file";
    case Kind::Text:
      return "text question";
    case Kind::Preview:
      return "print preview";
  }
  return "?";
}

std::optional<QString> ScriptedDialogs::reply(Kind kind, const QString& text) {
  if (!queue_.empty() && queue_.front().kind == kind && queue_.front().text.matches(text)) {
    std::optional<QString> result = queue_.front().reply;
    (void)answer(kind, text);
    return result;
  }
  // Unexpected: recorded and reported by answer(); a lenient fake cancels.
  (void)answer(kind, text);
  return std::nullopt;
}

bool ScriptedDialogs::answer(Kind kind, const QString& text) {
  shown_.push_back({kind, text});
  if (!queue_.empty() && queue_.front().kind == kind && queue_.front().text.matches(text)) {
    const bool result = queue_.front().answer;
    queue_.pop_front();
    return result;
  }
  if (lenient_) return lenientAnswer_;
  if (queue_.empty()) {
    ADD_FAILURE() << "unexpected " << kindName(kind) << " box: \"" << text.toStdString() << '"';
  } else {
    ADD_FAILURE() << "unexpected " << kindName(kind) << " box: \"" << text.toStdString() << "\"\n  expected "
                  << kindName(queue_.front().kind) << " box with text " << queue_.front().text.describe();
    // The expectation stays queued: a later box may still be the expected one
    // and the report at the end names what never came.
  }
  // Answer "no" so that an unexpected question cannot make the code under test
  // go on to destroy data.
  return false;
}

void ScriptedDialogs::message(const QString& text) { (void)answer(Kind::Message, text); }

bool ScriptedDialogs::yesNo(const QString& text) { return answer(Kind::YesNo, text); }

bool ScriptedDialogs::yesNoDefaultNo(const QString& text) { return answer(Kind::YesNoDefaultNo, text); }

bool ScriptedDialogs::okCancelCritical(const QString& text) { return answer(Kind::OkCancel, text); }

bool ScriptedDialogs::choosePrinter(QPrinter& printer) {
  if (!queue_.empty() && queue_.front().kind == Kind::Printer && queue_.front().choosePrinter) {
    const std::function<bool(QPrinter&)> choose = std::move(queue_.front().choosePrinter);
    (void)answer(Kind::Printer, QString());
    return choose(printer);
  }
  return answer(Kind::Printer, QString());
}

std::optional<QString> ScriptedDialogs::chooseFileToSave(const QString& title, const QString& /*suggestedPath*/,
                                                         const QString& /*filter*/) {
  return reply(Kind::SaveFile, title);
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(const QString& title, const QString& /*folder*/,
                                                         const QString& /*filter*/) {
  return reply(Kind::OpenFile, title);
}

std::optional<QString> ScriptedDialogs::askText(const QString& prompt, const QString& /*current*/) {
  return reply(Kind::Text, prompt);
}

void ScriptedDialogs::previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
  if (answer(Kind::Preview, QString())) paint(printer);
}

}  // namespace brivant::testing
