# Wine settings shared by the scripts: the project's prefix, no debug noise,
# no Mono or Gecko installers. Sourced, not run.
project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$project_root/.deps/wine}"
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
