#!/usr/bin/env bash
# Proves that the two set-up commands work on a fresh Debian 12 machine: builds a minimal root
# (git, ca-certificates, g++, cmake, make and nothing else), clones a commit of this repository
# into it and runs, inside a chroot,
#   ./test.sh                 it must pass and end with ctest's summary;
#   ./run.sh without display  it must fail with the one-line message and no Qt trace;
#   dpkg-buildpackage -us -uc -b   it must make niveau_<package version>_amd64.deb, with the
#                             Build-Depends that ./test.sh's install step brought;
#   lintian --pedantic        on that .deb it must print nothing.
# The package then goes into a second copy of the bare root, which has none of the build's
# packages, so that its dependencies alone must bring everything the program needs:
#   apt-get install ./niveau_<package version>_amd64.deb   it must install;
#   niveau --version          it must print "niveau <version>" of project(VERSION);
#   niveau from PATH          without a display it must fail with the same one-line message;
#   apt-get purge niveau      afterwards no file named after the program is left in /usr or /etc.
# The bare root is cached as a tarball between runs, so only the first run downloads it.
#
#   tools/fresh-machine-check.sh [commit]     (default HEAD; needs root, debootstrap, network)
#
# Environment: NIVEAU_ROOT_CACHE  folder of the cached root (default /var/cache/niveau-fresh-root)
#              NIVEAU_CHECK_KEEP  set to 1 to keep the root folder for a look afterwards
set -euo pipefail

repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse --verify "${1:-HEAD}^{commit}")
suite=bookworm
base_packages=git,ca-certificates,g++,cmake,make
cache_dir=${NIVEAU_ROOT_CACHE:-/var/cache/niveau-fresh-root}

say() { printf 'fresh-machine-check: %s\n' "$*"; }
fail() {
  say "FAILED: $*"
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, chroot and mount)"

# The machine's own Debian mirror: the first archive that serves the release itself (not its
# security or updates suites), from deb822 sources or a classic sources.list.
debian_mirror() {
  local file
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk -v suite="$suite" '
      function flush() { if (uri != "" && suites ~ ("(^| )" suite "( |$)") && types ~ /(^| )deb( |$)/) { print uri; found = 1; exit } }
      /^[[:space:]]*$/ { flush(); uri = ""; suites = ""; types = ""; next }
      tolower($1) == "uris:" { uri = $2 }
      tolower($1) == "suites:" { $1 = ""; suites = $0 }
      tolower($1) == "types:" { $1 = ""; types = $0 }
      END { if (!found) flush() }' "$file"
  done
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    awk -v suite="$suite" '$1 == "deb" { i = 2; if ($2 ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                           if ($(i + 1) == suite) { print $i; exit } }' "$file"
  done
}
mirror=$(debian_mirror | head -n 1)
[ -n "$mirror" ] || fail "no Debian $suite archive in this machine's apt sources"

if ! command -v debootstrap >/dev/null; then
  say "installing debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
fi

# One cached root per mirror, suite and package set.
key=$(printf '%s %s %s' "$mirror" "$suite" "$base_packages" | sha256sum | cut -c1-12)
tarball="$cache_dir/$suite-minbase-$key.tar.gz"

work=$(mktemp -d /var/tmp/niveau-fresh.XXXXXX)
root="$work/root"        # the build and the suite
pkgroot="$work/pkgroot"  # only the package
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null || true
  done
  if [ "${NIVEAU_CHECK_KEEP:-0}" = 1 ]; then say "roots kept in $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$(date +%s)
if [ ! -f "$tarball" ]; then
  say "building a minimal Debian $suite root from $mirror"
  mkdir -p "$work/bootstrap"
  debootstrap --variant=minbase --include="$base_packages" "$suite" "$work/bootstrap" "$mirror" \
    >"$work/debootstrap.log" 2>&1 || {
    tail -n 20 "$work/debootstrap.log"
    fail "debootstrap did not finish"
  }
  rm -rf "$work"/bootstrap/var/cache/apt/archives/*.deb "$work"/bootstrap/var/lib/apt/lists/*
  mkdir -p "$cache_dir"
  tar -C "$work/bootstrap" -czf "$tarball.part" . && mv "$tarball.part" "$tarball"
  rm -rf "$work/bootstrap"
fi

# A fresh copy of the bare root with proc and dev mounted, the machine's name resolution and its
# certificate authorities.
fresh_root() {
  local dir=$1 point
  mkdir -p "$dir"
  tar -C "$dir" -xzf "$tarball"
  cp -L /etc/resolv.conf "$dir/etc/resolv.conf"
  # The machine's own certificate authorities: its HTTPS connections (the npm registry, which the
  # browser tests' install step reaches) may pass through one of them.
  if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    cp /usr/local/share/ca-certificates/*.crt "$dir/usr/local/share/ca-certificates/"
    chroot "$dir" update-ca-certificates >/dev/null 2>&1
  fi
  mount -t proc proc "$dir/proc"
  mounted+=("$dir/proc")
  mount --bind /dev "$dir/dev"
  mounted+=("$dir/dev")
}

say "unpacking the cached root $tarball"
fresh_root "$root"

say "cloning $commit"
git clone -q --no-local "$repo" "$root/src/niveau"
git -C "$root/src/niveau" checkout -q --detach "$commit"

# Runs a command line as root in a root folder, in a clean environment.
chrooted() {
  chroot "$1" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c "$2"
}
in_root() { chrooted "$root" "cd /src/niveau && $1"; }
in_pkgroot() { chrooted "$pkgroot" "cd / && $1"; }

verdict=0
say "running ./test.sh in the fresh root (log: $work/test.log while it runs)"
if in_root ./test.sh >"$work/test.log" 2>&1; then test_status=0; else test_status=$?; fi
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$work/test.log" | tail -n 1 || true)
if [ "$test_status" -eq 0 ] && [ -n "$summary" ]; then
  say "./test.sh passed: $summary"
else
  tail -n 25 "$work/test.log"
  say "./test.sh FAILED (exit $test_status)${summary:+: $summary}"
  verdict=1
fi

# Without a display the viewer must stop with one clear line, not a Qt abort. What a build writes
# goes to standard output; the program's own words go to standard error.
#   expect_no_display_line <what> <output name> <command...>
expect_no_display_line() {
  local what=$1 name=$2 status=0 message
  shift 2
  "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
  message=$(grep -v '^$' "$work/$name.err" || true)
  if [ "$status" -ne 0 ] && [ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] &&
    printf '%s' "$message" | grep -q '^niveau: no display found'; then
    say "$what without a display: exit $status, \"$message\""
  else
    cat "$work/$name.out" "$work/$name.err" | tail -n 25
    say "$what without a display FAILED: exit $status, expected one line 'niveau: no display found ...'"
    verdict=1
  fi
}

[ "$verdict" -eq 0 ] && expect_no_display_line ./run.sh run in_root ./run.sh

# The Debian package: built from the cloned tree as Debian builds its packages and checked with
# lintian, then installed, started and removed in a second bare root.
version=$(sed -n 's/^project(niveau VERSION \([0-9.]*\).*/\1/p' "$root/src/niveau/CMakeLists.txt")
package_version=$(sed -n '1s/^niveau (\([^)]*\)).*/\1/p' "$root/src/niveau/debian/changelog")
deb="niveau_${package_version}_amd64.deb"

if [ "$verdict" -eq 0 ]; then
  if in_root "DEB_BUILD_OPTIONS=parallel=\$(nproc) dpkg-buildpackage -us -uc -b" \
    >"$work/package.log" 2>&1 && [ -f "$root/src/$deb" ]; then
    say "dpkg-buildpackage -us -uc -b made $deb ($(du -k "$root/src/$deb" | cut -f1) KiB)"
  else
    tail -n 25 "$work/package.log"
    say "dpkg-buildpackage -us -uc -b FAILED: no $deb"
    verdict=1
  fi
fi

# lintian warns when it runs as root, so it runs as an ordinary user, as a packager would.
if [ "$verdict" -eq 0 ]; then
  lintian_status=0
  in_root "cd /src && runuser -u nobody -- lintian --pedantic $deb" >"$work/lintian.log" 2>&1 ||
    lintian_status=$?
  if [ "$lintian_status" -eq 0 ] && [ ! -s "$work/lintian.log" ]; then
    say "lintian --pedantic $deb: no tag"
  else
    cat "$work/lintian.log"
    say "lintian --pedantic $deb FAILED: exit $lintian_status, tags above"
    verdict=1
  fi
fi

if [ "$verdict" -eq 0 ]; then
  fresh_root "$pkgroot"
  cp "$root/src/$deb" "$pkgroot/tmp/"
  if in_pkgroot "apt-get update -qq && apt-get install -y -qq ./tmp/$deb" \
    >"$work/apt-install.log" 2>&1 && [ "$(in_pkgroot 'command -v niveau')" = /usr/bin/niveau ]; then
    say "apt-get install ./$deb on a second bare root: niveau is /usr/bin/niveau"
  else
    tail -n 25 "$work/apt-install.log"
    say "apt-get install ./$deb on a second bare root FAILED"
    verdict=1
  fi
fi

if [ "$verdict" -eq 0 ]; then
  answer=$(in_pkgroot "niveau --version" 2>&1 || true)
  if [ "$answer" = "niveau $version" ]; then
    say "installed niveau --version: \"$answer\""
  else
    say "installed niveau --version FAILED: \"$answer\", expected \"niveau $version\""
    verdict=1
  fi
fi

[ "$verdict" -eq 0 ] && expect_no_display_line "installed niveau" installed in_pkgroot niveau

if [ "$verdict" -eq 0 ]; then
  purge_status=0
  in_pkgroot "apt-get purge -y -qq niveau" >"$work/apt-purge.log" 2>&1 || purge_status=$?
  # Every installed file carries the program's name: the program, its data folder, the desktop
  # entry, icons and metainfo named by the id, dpkg's own lists.
  left=$(in_pkgroot "find /usr /etc /var/lib/dpkg/info /root/.config -name '*niveau*' 2>/dev/null" ||
    true)
  if [ "$purge_status" -eq 0 ] && [ -z "$left" ] &&
    ! in_pkgroot "dpkg-query -W niveau" >/dev/null 2>&1; then
    say "apt-get purge niveau: nothing of it is left"
  else
    tail -n 25 "$work/apt-purge.log"
    printf '%s\n' "$left"
    say "apt-get purge niveau FAILED: exit $purge_status${left:+, files left (above)}"
    verdict=1
  fi
fi

elapsed=$(($(date +%s) - started))
if [ "$verdict" -eq 0 ]; then
  say "PASSED on a fresh Debian $suite root in ${elapsed} s"
else
  say "FAILED on a fresh Debian $suite root after ${elapsed} s"
fi
exit "$verdict"
