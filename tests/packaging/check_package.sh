#!/usr/bin/env bash
# Builds the Debian package from a built tree, as a user would with `cpack -G DEB`, and checks
# it: the files it installs, its control fields, that the programs still run once stripped,
# the software-centre description, and that lintian finds no error (its other tags are shown).
#
# Usage: check_package.sh CPACK BUILD_DIR WORK_DIR
set -euo pipefail
cpack=$1 build=$2 work=$3

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
if ! (cd "$build" && "$cpack" -G DEB -B "$work" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log" >&2
    exit 1
fi
debs=("$work"/tambrel_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "no single package in $work" >&2; exit 1; }
deb=${debs[0]}
echo "package: $deb"

# dpkg-deb -c: permissions, owner, size, date, time, then the path.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/files"
for file in \
    /usr/bin/tambrel \
    /usr/bin/tambrel-cli \
    /usr/share/applications/tambrel.desktop \
    /usr/share/icons/hicolor/scalable/apps/tambrel.svg \
    /usr/share/metainfo/org.example.tambrel.metainfo.xml \
    /usr/share/man/man1/tambrel.1.gz \
    /usr/share/man/man1/tambrel-cli.1.gz \
    /usr/share/bash-completion/completions/tambrel-cli \
    /usr/share/doc/tambrel/copyright \
    /usr/share/doc/tambrel/changelog.gz; do
    grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done
# Nothing of the build's own (libraries, tests, headers) is shipped.
unexpected=$(grep -v -e '/$' -e '^/usr/bin/tambrel' -e '^/usr/share/' "$work/files" || true)
[[ -z $unexpected ]] || fail "unexpected files: $unexpected"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tambrel ]] || fail "Package: $(field Package)"
[[ $(field Section) == sound ]] || fail "Section: $(field Section)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[[ -n $(field Description | sed -n 2p) ]] || fail "Description has no long text"
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6widgets6 libfluidsynth3 librtmidi6 fonts-liberation2; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
count=$("$root/usr/bin/tambrel-cli" --intervals "00 04 07" --root C --entries | wc -l)
[[ $count -eq 165 ]] || fail "the packaged tambrel-cli found $count fingerings of C major, not 165"
for page in tambrel tambrel-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" \
        2>&1 >/dev/null || true)
    [[ -z $warnings ]] || fail "man $page: $warnings"
done
metainfo="$root/usr/share/metainfo/org.example.tambrel.metainfo.xml"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

# Warnings are shown and allowed; an error fails, as does lintian failing to run. It also says
# that it runs as root, which is no tag of the package's.
status=0
lintian --fail-on error --display-level '>=warning' "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
((status == 0)) || fail "lintian exit status $status"

if ((failures > 0)); then exit 1; fi
echo "package checked"
