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

ScriptedDialogs& ScriptedDialogs::expectOkCancel(TextMatch text, bool ok) {
  queue_.push_back({Kind::OkCancel, std::move(text), ok});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectPrinter(bool chosen) {
  queue_.push_back({Kind::Printer, TextMatch(::testing::_), chosen});
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
    case Kind::OkCancel:
      return "OK/Cancel";
    case Kind::Printer:
      return "printer choice";
  }
  return "?";
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

bool ScriptedDialogs::okCancelCritical(const QString& text) { return answer(Kind::OkCancel, text); }

bool ScriptedDialogs::choosePrinter(QPrinter& /*printer*/) { return answer(Kind::Printer, QString()); }

}  // namespace brivant::testing
