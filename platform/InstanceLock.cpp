#include "platform/InstanceLock.h"

#include <QString>

namespace brivant {

InstanceLock::InstanceLock(const std::filesystem::path& programDir)
    : lock_(std::make_unique<QLockFile>(QString::fromStdString((programDir / FileName).string()))) {
  // Held for the whole run: never "stale" because of its age, only because
  // the copy that wrote it is gone.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) {
    outcome_ = Outcome::Acquired;
  } else {
    outcome_ = lock_->error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere : Outcome::Failed;
  }
}

InstanceLock::~InstanceLock() = default;

}  // namespace brivant
