#pragma once
// Installs a TextFile fault hook for the life of the object.

#include "platform/TextFile.h"

namespace brivant::testing {

class FaultHookGuard {
 public:
  explicit FaultHookGuard(TextFile::testing::FaultHook hook) { TextFile::testing::setFaultHook(std::move(hook)); }
  ~FaultHookGuard() { TextFile::testing::setFaultHook({}); }
  FaultHookGuard(const FaultHookGuard&) = delete;
  FaultHookGuard& operator=(const FaultHookGuard&) = delete;
};

}  // namespace brivant::testing
