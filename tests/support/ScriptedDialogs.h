#pragma once
// A Dialogs for tests: no widgets, answers from a queue of expectations, and
// a record of every box that would have been shown.
//
//   ScriptedDialogs dialogs;
//   dialogs.expectYesNo(::testing::HasSubstr("nouveau"), true);
//   dialogs.expectMessage("Indicatif incorrect");
//   ... run the code ...
//   (the destructor reports any expectation left unconsumed)
//
// A box that was not expected (nothing queued, another kind, another text) is
// a test failure naming the box.  In lenient mode the boxes are only recorded
// and answered with a fixed answer when nothing matching is queued.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/Dialogs.h"

// gtest prints a QString as readable text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace brivant::testing {

// The expected text of a box: an exact QString / UTF-8 literal, or any gmock
// matcher on the UTF-8 text (HasSubstr, StartsWith, Truly(...)).
class TextMatch {
 public:
  TextMatch(const QString& exact);   // NOLINT(google-explicit-constructor)
  TextMatch(const char* exactUtf8);  // NOLINT(google-explicit-constructor)
  template <class M>
  requires(!std::is_convertible_v<M, QString>) TextMatch(M matcher)  // NOLINT(google-explicit-constructor)
      : matcher_(::testing::MatcherCast<const std::string&>(matcher)) {}

  bool matches(const QString& text) const { return matcher_.Matches(text.toStdString()); }
  std::string describe() const;

 private:
  ::testing::Matcher<const std::string&> matcher_;
};

class ScriptedDialogs : public Dialogs {
 public:
  enum class Kind { Message, YesNo, YesNoDefaultNo, OkCancel, Printer, SaveFile, OpenFile, Text, Preview };
  struct Shown {
    Kind kind;
    QString text;  // the box's text, the file dialog's title, the question; empty for the printer choice
  };

  ScriptedDialogs() = default;
  ~ScriptedDialogs() override;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  // A lenient fake records every box and never fails a test for an
  // unexpected one: queued expectations still answer the boxes they match,
  // the others get `answer` (Yes, OK, printer chosen when true).
  void setLenient(bool lenient, bool answer = true);

  ScriptedDialogs& expectMessage(TextMatch text);
  ScriptedDialogs& expectYesNo(TextMatch text, bool yes);
  ScriptedDialogs& expectYesNoDefaultNo(TextMatch text, bool yes);
  ScriptedDialogs& expectOkCancel(TextMatch text, bool ok);
  ScriptedDialogs& expectPrinter(bool chosen);
  // The printer choice made by choose, given the printer (in the window
  // tests: the real print dialog, answered from a timer); its result is the
  // choice's.
  ScriptedDialogs& expectPrinter(std::function<bool(QPrinter&)> choose);
  // A file dialog or a question answered with reply (nothing: cancelled).
  ScriptedDialogs& expectSaveFile(TextMatch title, std::optional<QString> reply);
  ScriptedDialogs& expectOpenFile(TextMatch title, std::optional<QString> reply);
  ScriptedDialogs& expectText(TextMatch prompt, std::optional<QString> reply);
  // A print preview: with paint, the job is painted once on the preview's
  // printer (as the preview would); without, the preview is closed unpainted.
  ScriptedDialogs& expectPreview(bool paint);

  // Fails the test for every expectation still queued, then forgets them.
  void verifyAllConsumed();

  const std::vector<Shown>& shown() const { return shown_; }
  // The texts of the boxes shown, in order (of one kind when given).
  QStringList texts() const;
  QStringList texts(Kind kind) const;
  QString lastText() const;  // empty when nothing was shown
  void clearShown() { shown_.clear(); }

  void message(const QString& text) override;
  bool yesNo(const QString& text) override;
  bool yesNoDefaultNo(const QString& text) override;
  bool okCancelCritical(const QString& text) override;
  bool choosePrinter(QPrinter& printer) override;
  std::optional<QString> chooseFileToSave(const QString& title, const QString& suggestedPath,
                                          const QString& filter) override;
  std::optional<QString> chooseFileToOpen(const QString& title, const QString& folder, const QString& filter) override;
  std::optional<QString> askText(const QString& prompt, const QString& current) override;
  void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

  static const char* kindName(Kind kind);

 private:
  struct Expectation {
    Kind kind;
    TextMatch text;
    bool answer;
    std::optional<QString> reply = std::nullopt;
    std::function<bool(QPrinter&)> choosePrinter = nullptr;
  };
  bool answer(Kind kind, const QString& text);
  // The reply of a file dialog or question; nothing when it was not expected.
  std::optional<QString> reply(Kind kind, const QString& text);

  std::deque<Expectation> queue_;
  std::vector<Shown> shown_;
  bool lenient_ = false;
  bool lenientAnswer_ = true;
};

}  // namespace brivant::testing
