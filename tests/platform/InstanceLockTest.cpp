#include "platform/InstanceLock.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"

namespace {

using brivant::InstanceLock;
using brivant::testing::TempDir;
using Outcome = InstanceLock::Outcome;

TEST(InstanceLock, OneCopyPerFolder) {
  TempDir dir;
  TempDir other;
  {
    InstanceLock first(dir.path());
    ASSERT_EQ(first.outcome(), Outcome::Acquired);
    EXPECT_EQ(InstanceLock(dir.path()).outcome(), Outcome::HeldElsewhere);
    EXPECT_EQ(InstanceLock(other.path()).outcome(), Outcome::Acquired) << "another folder is another logbook";
  }
  EXPECT_EQ(InstanceLock(dir.path()).outcome(), Outcome::Acquired) << "released when the first copy ends";
}

// A copy killed while it held the folder leaves its lock file behind; the next
// start takes it over instead of refusing for ever.
TEST(InstanceLock, LockOfADeadCopyIsTakenOver) {
  TempDir dir;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto* held = new InstanceLock(dir.path());  // never released: the process dies holding it
    ::_exit(held->outcome() == Outcome::Acquired ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(std::filesystem::exists(dir / InstanceLock::FileName));
  EXPECT_EQ(InstanceLock(dir.path()).outcome(), Outcome::Acquired);
}

TEST(InstanceLock, FolderThatCannotHoldTheLockFails) {
  TempDir dir;
  brivant::testing::writeBytes(dir / "not-a-folder", "a file where the program folder should be");
  EXPECT_EQ(InstanceLock(dir / "not-a-folder").outcome(), Outcome::Failed);
}

}  // namespace
