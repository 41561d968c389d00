#pragma once
// What the lookup and overview windows need of the main window, as plain
// functions: the composition of the program connects them.

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace brivant {

struct StatsHooks {
  // The lines of Liste_QSO (Windows-1252 list lines); none when not given.
  std::function<const std::vector<std::string>&()> listLines;
  // Selects a row of Liste_QSO as a click on it does (-1: no row selected).
  std::function<void(int row)> selectQso;
  // A log or tally file that cannot be read, with the label the missing-file
  // window shows (MissingFileLabel); without it a message with the error
  // number is shown.
  std::function<void(const FileError& error, std::string_view missingLabel)> fileError;
  // The castle statistics have the main window count its list again:
  // QsoCount and the caption of Frame4.
  std::function<void()> refreshContactCount;

  // The list lines, or an empty list without the hook.
  const std::vector<std::string>& lines() const;
};

}  // namespace brivant
