#pragma once
// What is sent to cwdaemon, Debian's Morse keyer of a serial or parallel
// port, over UDP, and what it sends back.  Each request is one datagram: a
// text to key, or an escape request (the ESC character, a letter or digit,
// then its value).  The answer that matters is the one to the "reply when
// done" request: once it has keyed the text that follows that request,
// cwdaemon sends back "h" and the request's tag, then CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace brivant::Cwdaemon {

inline constexpr char Escape = '\x1b';

// ESC "2" and the speed in words per minute.
std::string speedRequest(int wpm);
// ESC "4": the text being keyed stops (cwdaemon answers "break").
std::string abortRequest();
// ESC "h" and a tag: the next text is answered "h" + tag once keyed.
std::string replyRequest(std::string_view tag);

// The datagrams of one message: its speed, the reply request with its tag,
// then the text itself.
std::vector<std::string> messageDatagrams(std::string_view text, int wpm, std::string_view tag);

// Whether a datagram from cwdaemon is the reply of the tag.
bool isReplyTo(std::string_view datagram, std::string_view tag);

}  // namespace brivant::Cwdaemon
