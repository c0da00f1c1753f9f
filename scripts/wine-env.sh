# Wine settings shared by the scripts: the project's prefix, no debug noise,
# no Mono or Gecko installers. Sourced, not run.
project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The prefix is .deps/wine, or where the bootstrap noted it when the
# checkout's file system could not hold one.
prefix_note="$project_root/.deps/wine-prefix"
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$project_root/.deps/wine"
    [ -f "$prefix_note" ] && read -r WINEPREFIX <"$prefix_note"
fi
export WINEPREFIX
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A session that started its own display notes "PID DISPLAY" here.
session_note="$WINEPREFIX/session-display"
# session_alive FILE: the note names a session that still runs.
session_alive() {
    local pid display
    [ -f "$1" ] && read -r pid display <"$1" && [ -n "$display" ] && kill -0 "$pid" 2>/dev/null
}
