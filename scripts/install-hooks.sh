#!/usr/bin/env bash
# Installs the project's git hooks in this clone; run it once after cloning.
#   commit-msg  refuses a subject longer than 72 characters
#   pre-commit  refuses staged C++ files that clang-format would change
# Each installed hook runs the version of scripts/hooks/ of the tree being
# committed in, so a change to the hooks needs no new installation.
# `git commit --no-verify` passes them by, for once.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
hooks=$(cd "$here" && git rev-parse --path-format=absolute --git-path hooks)
mkdir -p "$hooks"
for hook in commit-msg pre-commit; do
  cat >"$hooks/$hook" <<HOOK
#!/bin/sh
# Installed by scripts/install-hooks.sh.
exec bash "\$(git rev-parse --show-toplevel)/scripts/hooks/$hook" "\$@"
HOOK
  chmod +x "$hooks/$hook"
  echo "installed $hooks/$hook"
done
