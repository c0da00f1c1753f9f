#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine; safe to run again.
# System packages need root (or sudo); the tinyxml2 sources and the Wine prefix
# go into .deps/ of the checkout, which git ignores.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/.deps"
packages=(g++-mingw-w64-i686 libz-mingw-w64-dev wine wine32:i386 fonts-wine xvfb cmake make dpkg-dev libgtest-dev
          imagemagick xauth)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
        echo "bootstrap: '$*' needs root; run this script as root once" >&2; exit 1
    fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "bootstrap: installing ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# tinyxml2 from Debian's source package, through an apt configuration of our
# own so that the system's sources stay as they are.
if ! ls "$deps"/tinyxml2/tinyxml2-*/tinyxml2.cpp >/dev/null 2>&1; then
    . /etc/os-release
    apt_dir="$deps/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts" "$apt_dir/cache/archives/partial" "$deps/tinyxml2"
    cat > "$apt_dir/sources.list" <<SRC
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $VERSION_CODENAME main
SRC
    apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
              -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
              -o "Debug::NoLocking=1" -o "APT::Sandbox::User=root")
    apt-get "${apt_opts[@]}" -q update
    (cd "$deps/tinyxml2" && apt-get "${apt_opts[@]}" -q source tinyxml2)
fi

# A Wine prefix prepared once, without the Mono and Gecko installers; the
# project's own, whatever the caller's environment names.
unset WINEPREFIX
. "$root/scripts/wine-env.sh"
# make_prefix DIR: Wine may leave a prefix half made and still answer 0, so
# the registry it writes last is what tells; a second try starts from nothing.
make_prefix() {
    for _ in 1 2; do
        [ -f "$1/system.reg" ] && return 0
        echo "bootstrap: preparing the Wine prefix in $1"
        rm -rf "$1"
        mkdir -p "$1"
        WINEPREFIX="$1" wineboot -i </dev/null >"$deps/wineboot.log" 2>&1 || true
        WINEPREFIX="$1" wineserver -w
    done
    [ -f "$1/system.reg" ]
}
if ! make_prefix "$WINEPREFIX"; then
    echo "bootstrap: Wine did not prepare its prefix in $WINEPREFIX; wineboot printed:" >&2
    cat "$deps/wineboot.log" >&2
    df -h "$WINEPREFIX" >&2
    # Not every file system holds a prefix (it needs symbolic links, for one);
    # the system's temporary folder does.
    other="${TMPDIR:-/tmp}/drumwell-wine-$(id -u)-$(printf %s "$root" | cksum | cut -d' ' -f1)"
    if [ "$WINEPREFIX" = "$other" ] || ! make_prefix "$other"; then
        echo "bootstrap: nor in $other; wineboot printed:" >&2
        cat "$deps/wineboot.log" >&2
        exit 1
    fi
    echo "$other" >"$prefix_note"
    export WINEPREFIX="$other"
    echo "bootstrap: the Wine prefix is in $other"
fi
# Wine waits up to two seconds for a window manager each time it hides or
# destroys a window it leaves to one, and under Xvfb none runs: in this
# prefix Wine handles its windows itself.
if ! grep -qx '"Managed"="N"' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
fi
echo "bootstrap: ready"
