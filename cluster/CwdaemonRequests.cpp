#include "cluster/CwdaemonRequests.h"

namespace brivant::Cwdaemon {

std::string speedRequest(int wpm) { return std::string{Escape, '2'} + std::to_string(wpm); }

std::string abortRequest() { return {Escape, '4'}; }

std::string replyRequest(std::string_view tag) { return std::string{Escape, 'h'} + std::string(tag); }

std::vector<std::string> messageDatagrams(std::string_view text, int wpm, std::string_view tag) {
  return {speedRequest(wpm), replyRequest(tag), std::string(text)};
}

bool isReplyTo(std::string_view datagram, std::string_view tag) {
  while (!datagram.empty() && (datagram.back() == '\n' || datagram.back() == '\r')) datagram.remove_suffix(1);
  return datagram.size() == tag.size() + 1 && datagram.front() == 'h' && datagram.substr(1) == tag;
}

}  // namespace brivant::Cwdaemon
