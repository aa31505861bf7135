#!/usr/bin/env bash
# Builds the Debian package in a configured and built build folder, installs it
# with dpkg, converts the bundled example with the installed program, renders
# the installed manual page and runs the end-to-end table against the
# installed program; removes the package again. Needs root.
# Usage: tests/package/deb_install.sh BUILD_DIR
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
if ((EUID != 0)); then
  echo "$0: dpkg -i needs root" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'dpkg -r aliasconv >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

rm -f "$build"/aliasconv_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/aliasconv_*.deb)
dpkg -i "${debs[@]}"

fail() {
  echo "$0: $*" >&2
  exit 1
}

[[ "$(command -v aliasconv)" == /usr/bin/aliasconv ]] || fail "aliasconv is not /usr/bin/aliasconv"
example=/usr/share/doc/aliasconv/examples/aliases.old
cmp "$example" "$source_dir/examples/aliases.old" || fail "the installed example differs"

cd "$work"
/usr/bin/aliasconv "$example" aliases.new 2>stderr.txt || fail "converting the example failed"
[[ ! -s stderr.txt ]] || fail "converting the example wrote: $(cat stderr.txt)"
"$build/aliasconv" "$source_dir/examples/aliases.old" built.new
cmp aliases.new built.new || fail "the installed program converts the example differently"
echo "installed /usr/bin/aliasconv converted $example:"
cat aliases.new

page=$(LC_ALL=C.UTF-8 man -w aliasconv)
[[ "$page" == /usr/share/man/man1/aliasconv.1 ]] || fail "man aliasconv finds $page"
LC_ALL=C.UTF-8 MANROFFOPT=-ww man -l "$page" >page.txt 2>warnings.txt || fail "man -l $page failed"
[[ ! -s warnings.txt ]] || fail "man -l $page warns: $(cat warnings.txt)"
[[ -s page.txt ]] || fail "man -l $page rendered nothing"
echo "man -l $page rendered $(wc -l <page.txt) lines without warnings"

ALIASCONV_COMMAND=/usr/bin/aliasconv "$build/tests/aliasconv_e2e" --gtest_brief=1
