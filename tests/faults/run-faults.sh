#!/usr/bin/env bash
# Deliberate faults, one line each, kept as patches: each is applied in turn,
# the tree rebuilt and the tests its first line names run, then the patch is
# taken back. Prints one line a fault (caught, missed) and the totals, so a
# change to the suite can be checked against what the old one caught.
# Usage: tests/faults/run-faults.sh BUILD_DIR [NAME_PART]   (a clean tree)
set -u
build=$(cd "$1" && pwd) only=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/../.."
git diff --quiet || { echo "run-faults: commit or stash the changes first" >&2; exit 2; }

caught=0 missed=0
for patch in "$here"/*.patch; do
  name=$(basename "$patch" .patch)
  [ -n "$only" ] && [[ $name != *"$only"* ]] && continue
  tests=$(sed -n '1s/^Tests: //p' "$patch")
  if ! git apply --unidiff-zero "$patch"; then echo "$name: does not apply"; continue; fi
  if ! cmake --build "$build" -j "$(nproc)" >/dev/null 2>&1; then
    result="does not build"
  elif ! (cd "$build" && ctest -N -R "$tests" | grep -q 'Total Tests: [1-9]'); then
    result="no tests match"
  elif (cd "$build" && ctest -R "$tests" -j "$(nproc)" --timeout 180 >/dev/null 2>&1); then
    result=missed missed=$((missed + 1))
  else
    result=caught caught=$((caught + 1))
  fi
  git apply --unidiff-zero -R "$patch"
  echo "$name: $result"
done
cmake --build "$build" -j "$(nproc)" >/dev/null 2>&1
echo "$caught caught, $missed missed"
