#!/usr/bin/env bash
# Keeps the floors of the source tree looking down: a file may include headers of its own floor
# and of the floors below it, never of a floor above. Core floors use Qt Core only, the painter
# canvas and the command-line tool Qt Core and Qt Gui; widgets and printer support belong to the
# windows. Prints every offending include with its file and line and exits 1; exits 0 when clean.
# Usage: scripts/check-layers.sh [ROOT]
set -euo pipefail

ROOT="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"

# Bottom up. Folders on one line are one floor and may include each other.
FLOORS=(
    "base"                         # foundation: paths, text files, errors, settings, season, version
    "game"                         # the coupon rules
    "data draws"                   # file formats
    "systems print import"         # engines and layouts
    "paint"                        # the print canvas on a QPainter (Qt Gui)
    "window"                       # what every window stands on: context, prompts, shared state
    "game/ui"                      # the game screen and the board widgets
    "print/ui"                     # printer settings and previews
    "systems/ui draws/ui import/ui" # the windows that hand work to the previews
    "shell"                        # main window, start-up, the windows' registry, snapshots
)
CORE_TOP=3  # floors 0..3 are the core: Qt Core only
PAINT=4     # Qt Core and Qt Gui
CLI_TOP=4   # the command-line tool stands on the core and the painter canvas only

QT_HEADERS="$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || true)"
[ -d "$QT_HEADERS" ] || QT_HEADERS=/usr/include/x86_64-linux-gnu/qt6

# The floor of a folder under src/ ("game/ui", "print"), or nothing when it is not listed.
floor_of_folder() {
    local folder="$1" i
    for i in "${!FLOORS[@]}"; do
        for f in ${FLOORS[$i]}; do
            [ "$f" = "$folder" ] && { echo "$i"; return; }
        done
    done
}

# The folder a source path belongs to: src/<area>/ui/... -> <area>/ui, src/<area>/... -> <area>.
folder_of() {
    local rel="${1#src/}"
    local area="${rel%%/*}" rest="${rel#*/}"
    if [ "${rest%%/*}" = "ui" ] && [ "$rest" != "ui" ]; then echo "$area/ui"; else echo "$area"; fi
}

# The Qt module a <QHeader> comes from (QtCore, QtGui, QtWidgets, ...), or nothing.
qt_module() {
    local header="$1" m
    case "$header" in Qt*/*) echo "${header%%/*}"; return ;; esac
    for m in QtCore QtGui QtWidgets QtPrintSupport QtCharts QtTest QtDBus; do
        [ -e "$QT_HEADERS/$m/$header" ] && { echo "$m"; return; }
    done
}

failures=0
fail() {
    echo "$1" >&2
    failures=$((failures + 1))
}

cd "$ROOT"
while IFS= read -r file; do
    case "$file" in
        src/*)
            folder="$(folder_of "$file")"
            own="$(floor_of_folder "$folder")"
            if [ -z "$own" ]; then
                fail "$file: the folder src/$folder is on no floor; add it to scripts/check-layers.sh"
                continue
            fi
            top="$own"
            ;;
        apps/cli/*) own=$((${#FLOORS[@]})); top=$CLI_TOP ;;
        apps/*) own=$((${#FLOORS[@]})); top=$own ;;
        *) continue ;;
    esac
    if [ "$top" -le "$CORE_TOP" ]; then modules="QtCore"
    elif [ "$top" -le "$PAINT" ]; then modules="QtCore QtGui"
    else modules=""; fi

    lineno=0
    while IFS= read -r line; do
        lineno=$((lineno + 1))
        case "$line" in
            \#include\ \"*)
                inc="${line#\#include \"}"; inc="${inc%%\"*}"
                [ -e "src/$inc" ] || continue # beside the file, or generated
                target="$(floor_of_folder "$(folder_of "src/$inc")")"
                [ -n "$target" ] || continue
                if [ "$target" -gt "$top" ]; then
                    fail "$file:$lineno: includes \"$inc\" from a floor above its own (${FLOORS[$target]%% *} over ${FLOORS[$top]%% *})"
                fi
                ;;
            \#include\ \<Q*)
                [ -n "$modules" ] || continue
                inc="${line#\#include <}"; inc="${inc%%>*}"
                module="$(qt_module "$inc")"
                [ -n "$module" ] || continue
                case " $modules " in
                    *" $module "*) ;;
                    *) fail "$file:$lineno: includes <$inc> ($module), but this floor may use only $modules" ;;
                esac
                ;;
        esac
    done <"$file"
done < <(git ls-files --cached --others --exclude-standard -- 'src/*.h' 'src/*.cpp' 'apps/*.h' 'apps/*.cpp' 2>/dev/null ||
         find src apps -name '*.h' -o -name '*.cpp')

if [ "$failures" -gt 0 ]; then
    echo "check-layers: $failures include(s) against the floors" >&2
    exit 1
fi
echo "check-layers: every include looks down"
