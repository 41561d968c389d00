#pragma once
// Announcing a station on the telnet cluster node (a self-spot): the command
// "DX <kHz with one decimal> <CALL> <comment>", what the operator types for
// it, and which line of the node answers it.  Texts are Windows-1252 bytes.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace brivant {

// What nodes take as a spot's comment.
inline constexpr int SpotCommentLength = 30;
inline constexpr int SpotCallLength = 12;

// The fields of the announcement window when it opens.
struct SelfSpotFields {
  std::string khz;  // "14025.0", empty when no radio is read
  std::string call;
  std::string comment;
};

// The window's fields: the radio's frequency when one is read; the station's
// own callsign ("_" as "/") when it activates a castle (it has a castle
// reference), else the callsign of the entry; the castle reference and
// "JNC" as the comment.
SelfSpotFields selfSpotFields(std::optional<long long> radioHertz, std::string_view stationCall,
                              std::string_view castleReference, std::string_view entryCall);

// kHz with one decimal, "." as the separator, whatever the locale.
std::string khzText(double khz);

enum class SelfSpotProblem { None, Frequency, Callsign, CommentTooLong, CommentNotAscii };

struct SelfSpotCommand {
  std::string line;  // without its line end
  std::string call;  // the callsign announced
  SelfSpotProblem problem = SelfSpotProblem::None;
};

// The command of what was typed: the frequency in kHz ("14025", "14 025,5",
// "14025.0"; above 0 and below 300 GHz), a callsign of letters, digits and
// "/" (at most 12, "_" read as "/", in capitals), a comment of at most 30
// printable ASCII characters (blanks around dropped); or the first problem.
SelfSpotCommand selfSpotCommand(std::string_view typedKhz, std::string_view typedCall, std::string_view typedComment);

// Whether a line the node sends after the command answers it: its spot of
// the callsign coming back, or anything it says that is neither somebody's
// spot of another station, a broadcast (WWV, WCY, "To ALL") nor its prompt.
bool answersSelfSpot(std::string_view line, std::string_view call);

// The texts of the announcement.
QString selfSpotProblemMessage(bool french, SelfSpotProblem problem);
QString selfSpotNoConnectionMessage(bool french);
QString selfSpotSentText(bool french, std::string_view line);
QString selfSpotAnswerText(bool french, std::string_view answer);
QString selfSpotNoAnswerText(bool french);

}  // namespace brivant
