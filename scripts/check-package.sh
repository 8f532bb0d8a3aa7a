#!/usr/bin/env bash
# Builds the Debian package and checks it as a user would meet it: lintian finds no error, the menu entry is
# valid, and the installed programs, started with a fresh home folder, answer --version and find the help
# pages, the pictures and the shipped library (taru --snapshot), keeping the data in the user's folder and
# nothing beside the executables. As root, and when taru is not installed already, the package is also
# installed for real with apt, removed and installed again, and the user's data must outlast that; the
# package is removed at the end. Extra arguments go to the build's configuration.
source "$(dirname "$0")/common.sh"

fail() { echo "check-package: $*" >&2; exit 1; }
deb="$("$ROOT/scripts/package.sh" "$@" | tail -1)"
[ -f "$deb" ] || fail "no package was built"
version="$(dpkg-deb -f "$deb" Version)"
echo "check-package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# What the package holds: the programs, the menu entry, the icons, the manual pages, the documents and
# every shipped resource of the source tree.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
expected=(/usr/bin/taru /usr/bin/taru-cli /usr/share/applications/taru.desktop
          /usr/share/icons/hicolor/scalable/apps/taru.svg /usr/share/icons/hicolor/48x48/apps/taru.png
          /usr/share/man/man1/taru.1.gz /usr/share/man/man1/taru-cli.1.gz
          /usr/share/doc/taru/copyright /usr/share/doc/taru/changelog.Debian.gz
          /usr/share/taru/Printers/default.tpr)
for dir in help Images BIBLIO; do
    [ -d "$ROOT/resources/$dir" ] || continue
    while IFS= read -r file; do expected+=("/usr/share/taru/$dir/$file"); done \
        < <(cd "$ROOT/resources/$dir" && find . -type f | sed 's|^\./||')
done
for path in "${expected[@]}"; do
    grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
depends="$(dpkg-deb -f "$deb" Depends)"
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] || fail "dependencies not read from the binaries: $depends"

# lintian: errors fail the check; warnings are shown.
report="$(lintian --fail-on error "$deb" 2>&1)" || { echo "$report" >&2; fail "lintian reports errors"; }
grep -v "running with root privileges" <<<"$report" || true

dpkg -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/taru.desktop" || fail "the menu entry is not valid"
find "$work/root" | sort >"$work/installed-before"

# Runs an installed program with nothing from this environment but a fresh home folder.
as_user() {
    local home="$1"; shift
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 XDG_RUNTIME_DIR="$home/.run" "$@"
}
# One start of the desktop program on the given home folder: every window pictured, the help viewer among
# them (it is pictured only when the help pages were found).
snapshot() {
    local taru="$1" home="$2" shots="$3"
    mkdir -p "$home/.run" && chmod 700 "$home/.run"
    as_user "$home" "$taru" --snapshot "$shots" >"$work/snapshot.log" 2>&1 \
        || { cat "$work/snapshot.log" >&2; fail "$taru --snapshot failed"; }
    [ -s "$shots/TMainFrm.png" ] || fail "$taru --snapshot pictured no main window"
    [ -s "$shots/HelpViewerDlg.png" ] || fail "$taru did not find its help pages"
}
# The user's program folder after a start: the default printer profile and every file of the shipped library.
check_seeded() {
    local data="$1/.local/share/TARU" share="$2"
    cmp -s "$share/Printers/default.tpr" "$data/Printers/default.tpr" || fail "no default printer profile in $data"
    if [ -d "$share/BIBLIO" ]; then
        (cd "$share/BIBLIO" && find . -type f) | while IFS= read -r file; do
            cmp -s "$share/BIBLIO/$file" "$data/BIBLIO/$file" || fail "the library file $file did not reach $data"
        done
    fi
}

home="$work/home"
mkdir -p "$home"
out="$(as_user "$home" "$work/root/usr/bin/taru-cli" --version)"
[ "$out" = "TARU ${version%-*}" ] || fail "taru-cli --version printed '$out'"
snapshot "$work/root/usr/bin/taru" "$home" "$work/shots"
check_seeded "$home" "$work/root/usr/share/taru"
find "$work/root" | sort | diff - "$work/installed-before" >/dev/null || fail "the program wrote beside its executable"

# A second start keeps what the user changed.
data="$home/.local/share/TARU"
printf 'calibrated' >"$data/Printers/default.tpr"
mkdir -p "$data/DELTIA" && printf '1,2,3\r\n' >"$data/DELTIA/own.tru"
snapshot "$work/root/usr/bin/taru" "$home" "$work/shots2"
[ "$(cat "$data/Printers/default.tpr")" = calibrated ] || fail "a second start replaced the user's printer profile"
[ -f "$data/DELTIA/own.tru" ] || fail "a second start lost the user's coupon file"
echo "check-package: installed files start with a fresh home folder, find help and library, keep the data"

# The real thing, where this machine may be changed: install, use, remove, install again.
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    echo "check-package: not root, the package was not installed for real"
    exit 0
fi
if dpkg-query -W -f='${Status}' taru 2>/dev/null | grep -q "install ok installed"; then
    echo "check-package: taru is installed already; left as it is, the package was not installed for real"
    exit 0
fi
apt_quiet() { DEBIAN_FRONTEND=noninteractive apt-get "$@" -y -qq >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get $* failed"; }; }
# On the way out, whatever happened: the package goes if it is still installed (apt fails on a name it no longer
# knows, and that must not turn a passing check into a failing one).
purge_if_installed() {
    if dpkg-query -W -f='${Status}' taru 2>/dev/null | grep -q "install ok installed"; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq taru >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap purge_if_installed EXIT
real="$work/real-home"
mkdir -p "$real"
apt_quiet install "$deb"
[ "$(as_user "$real" taru-cli --version)" = "TARU ${version%-*}" ] || fail "the installed taru-cli does not answer"
snapshot /usr/bin/taru "$real" "$work/real-shots"
check_seeded "$real" /usr/share/taru
mkdir -p "$real/.local/share/TARU/DELTIA" && printf '1,2,3\r\n' >"$real/.local/share/TARU/DELTIA/own.tru"
(cd "$real/.local/share/TARU" && find . -type f -exec md5sum {} + | sort) >"$work/data-before"
apt_quiet purge taru
[ ! -e /usr/bin/taru ] || fail "removing the package left /usr/bin/taru"
apt_quiet install "$deb"
snapshot /usr/bin/taru "$real" "$work/real-shots2"
(cd "$real/.local/share/TARU" && find . -type f -exec md5sum {} + | sort) | diff "$work/data-before" - \
    || fail "the user's data changed across removing and installing the package"
apt_quiet purge taru
echo "check-package: installed with apt, removed and installed again; the user's data stayed"
