#!/usr/bin/env bash
# Proves that the Debian package is reproducible: builds it twice with dpkg-buildpackage, each time
# from a fresh clone of a commit in a folder of its own (different paths, a different time zone
# and umask), and compares every .deb of the two builds byte for byte. The dates in the packages
# come from SOURCE_DATE_EPOCH, which dpkg-buildpackage takes from debian/changelog.
#
#   tools/reproducible-check.sh [commit]     (default HEAD; installs missing build packages)
#
# Prints the SHA-256 of each package, the time of each build, and on a difference the files
# inside the packages that differ.
set -euo pipefail

repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse --verify "${1:-HEAD}^{commit}")

say() { printf 'reproducible-check: %s\n' "$*"; }
fail() {
  say "FAILED: $*"
  exit 1
}

"$repo/tools/install-packages.sh"

work=$(mktemp -d /var/tmp/niveau-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
started=$(date +%s)

# build <folder> <time zone> <umask>: a fresh clone in <folder>/niveau, packages in <folder>.
build() {
  local folder=$1 zone=$2 mask=$3 begin
  begin=$(date +%s)
  git clone -q --no-local "$repo" "$folder/niveau"
  git -C "$folder/niveau" checkout -q --detach "$commit"
  if ! (cd "$folder/niveau" && umask "$mask" && TZ=$zone DEB_BUILD_OPTIONS=parallel=$(nproc) \
    dpkg-buildpackage -us -uc -b) >"$folder.log" 2>&1; then
    tail -n 25 "$folder.log"
    fail "dpkg-buildpackage in $folder"
  fi
  say "built in $folder in $(($(date +%s) - begin)) s"
}

build "$work/first" UTC 022
build "$work/second-build" Pacific/Kiritimati 002

# Lists the files of a .deb with their checksums, so that a difference names the files.
contents() {
  local deb=$1 dir
  dir=$(mktemp -d "$work/unpacked.XXXXXX")
  dpkg-deb -R "$deb" "$dir"
  (cd "$dir" && find . -type f -exec sha256sum {} + | sort -k 2)
}

verdict=0
debs=$(cd "$work/first" && ls -- *.deb)
[ -n "$debs" ] || fail "no .deb was made"
for deb in $debs; do
  if cmp -s "$work/first/$deb" "$work/second-build/$deb"; then
    say "identical: $deb $(sha256sum <"$work/first/$deb" | cut -c1-64)"
  else
    say "DIFFERENT: $deb; differing files:"
    diff <(contents "$work/first/$deb") <(contents "$work/second-build/$deb") || true
    verdict=1
  fi
done

elapsed=$(($(date +%s) - started))
if [ "$verdict" -eq 0 ]; then
  say "PASSED: two builds of ${commit:0:12} give identical packages, in ${elapsed} s"
else
  say "FAILED: the packages of two builds of ${commit:0:12} differ (${elapsed} s)"
fi
exit "$verdict"
