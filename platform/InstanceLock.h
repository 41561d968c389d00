#pragma once
// One running copy of the program per program folder: a lock file in the
// folder, held for the whole run.  The lock of a copy that died (crash, kill)
// is taken over.

#include <QLockFile>
#include <filesystem>
#include <memory>

namespace brivant {

class InstanceLock {
 public:
  enum class Outcome {
    Acquired,       // this copy may use the folder
    HeldElsewhere,  // another running copy has the folder
    Failed,         // the lock file cannot be made (folder not writable, ...)
  };

  // Tries once, without waiting.  The lock is released when the object goes.
  explicit InstanceLock(const std::filesystem::path& programDir);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  Outcome outcome() const { return outcome_; }
  static constexpr const char* FileName = "Brivant.lock";

 private:
  std::unique_ptr<QLockFile> lock_;
  Outcome outcome_ = Outcome::Failed;
};

}  // namespace brivant
