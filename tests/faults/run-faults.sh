#!/usr/bin/env bash
# Deliberate faults, one line each, listed in faults.txt: a heading line
# "NAME FILE TESTS" (TESTS a CTest regex), then the lines as they are ("-")
# and as the fault has them ("+"). Each is made in turn, the tree rebuilt and
# the named tests run, then the file is put back. Prints one line a fault
# (caught, missed) and the totals, so a change to the suite can be checked
# against what the old one caught.
# Usage: tests/faults/run-faults.sh BUILD_DIR [NAME_PART]   (a clean tree)
set -u
build=$(cd "$1" && pwd) only=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/../.."
git diff --quiet || { echo "run-faults: commit or stash the changes first" >&2; exit 2; }

# Replaces the one place FILE holds the "-" lines of fault NAME with its "+" lines.
make_fault() {
  perl -e '
    my ($list, $name, $file) = @ARGV;
    open my $in, "<", $list or die; my ($on, @old, @new);
    while (<$in>) {
      if (/^(\d\S*) /) { $on = ($1 eq $name); next }
      next unless $on;
      push @old, $1 if /^-(.*\n)/; push @new, $1 if /^\+(.*\n)/;
    }
    local $/; open my $src, "<", $file or die; my $text = <$src>;
    my $find = join "", @old; my $count = () = $text =~ /\Q$find\E/g;
    $count == 1 or die "$name: the lines to change occur $count times\n";
    $text =~ s/\Q$find\E/join "", @new/e;
    open my $out, ">", $file or die; print $out $text;
  ' "$here/faults.txt" "$1" "$2"
}

# Faults in Windows-only code are run by the Wine tests, against the
# Windows build the Linux build's tests are pointed at (make windows).
windows=$(sed -n 's/^AEROLARK_WINDOWS_BUILD:PATH=//p' "$build/CMakeCache.txt")
windows_only() { [[ $1 == */win32/* ]]; }
rebuild() { # FILE
  cmake --build "$build" -j "$(nproc)" >/dev/null 2>&1 || return 1
  ! windows_only "$1" || cmake --build "$windows" -j "$(nproc)" >/dev/null 2>&1
}

caught=0 missed=0
while read -r name file tests; do
  [ -n "$only" ] && [[ $name != *"$only"* ]] && continue
  if windows_only "$file" && [ ! -f "$windows/CMakeCache.txt" ]; then
    echo "$name: no Windows build at '$windows'"; continue
  fi
  if ! make_fault "$name" "$file"; then echo "$name: does not apply"; continue; fi
  if ! rebuild "$file"; then
    result="does not build"
  elif ! (cd "$build" && ctest -N -R "$tests" | grep -q 'Total Tests: [1-9]'); then
    result="no tests match"
  elif (cd "$build" && ctest -R "$tests" -j "$(nproc)" --timeout 180 >/dev/null 2>&1); then
    result=missed missed=$((missed + 1))
  else
    result=caught caught=$((caught + 1))
  fi
  git checkout -q -- "$file"
  windows_only "$file" && cmake --build "$windows" -j "$(nproc)" >/dev/null 2>&1
  echo "$name: $result"
done < <(grep -E '^[0-9]' "$here/faults.txt")
cmake --build "$build" -j "$(nproc)" >/dev/null 2>&1
echo "$caught caught, $missed missed"
