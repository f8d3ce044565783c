# Shared by scripts/run, scripts/test and scripts/screenshot: install what is
# missing, then configure and build. Source it; it defines functions only.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Runs apt-get as root, through sudo when we are not root already.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Says which packages are missing and how to install them when there is no
# sudo to do it with (a Debian installed with a root password has none).
no_sudo_help() {
  cat >&2 <<EOF
$0 needs these Debian packages, which are not installed:
  $*
Installing them needs root, and sudo is not installed. Either install them
once as root, then run $0 again:
  su -c 'apt-get install --no-install-recommends $*'
or install sudo and let yourself use it (as root: apt-get install sudo;
adduser $(id -un) sudo; then log in again), or install them another way.
EOF
}

# Installs every named Debian package that is not installed yet.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
    no_sudo_help "${missing[@]}"
    return 1
  fi
  echo "== installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs, and making its Debian package
# (`cpack -G DEB` reads the program's library needs with dpkg-shlibdeps, which
# dpkg-dev has and which finds the binaries with file).
BUILD_PACKAGES=(g++ cmake make pkg-config libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n
  libgl-dev fonts-ipafont-gothic dpkg-dev file)
# What packaging/check-packaging.sh adds: the validators of the menu entry,
# the AppStream record and the Debian package, man to read its pages, and
# the Windows resource compiler.
PACKAGING_CHECK_PACKAGES=(desktop-file-utils appstream lintian man-db
  binutils-mingw-w64-x86-64)

# What the run under the Orca screen reader needs (tests/orca): Orca, its
# speech server and voice, a virtual display, the buses and a key presser.
ORCA_CHECK_PACKAGES=(orca speech-dispatcher speech-dispatcher-espeak-ng
  at-spi2-core dbus-daemon xvfb xdotool)

# What typing Japanese into the program through real input methods needs
# (tests/ime): ibus and fcitx5, each with mozc and anthy, fcitx5's module for
# Qt 6 (ibus's comes with Qt), the virtual display, the buses, a key presser
# and the accessibility bindings that read the window back.
IME_CHECK_PACKAGES=(ibus ibus-mozc ibus-anthy fcitx5 fcitx5-mozc fcitx5-anthy
  fcitx5-frontend-qt6 mozc-server xvfb dbus-daemon at-spi2-core xdotool
  python3-pyatspi)
# And uim with anthy and mozc, where the release has uim's module for Qt 6
# (Debian 13 on).
IME_CHECK_UIM_PACKAGES=(uim uim-anthy uim-mozc uim-qt6-immodule)

# What cross-building the Windows program needs (scripts/build-windows), and
# what running it and its tests under Wine adds (locales: the sources of the
# Japanese and English locales the tests run Wine in).
WINDOWS_BUILD_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64 googletest)
WINDOWS_RUN_PACKAGES=(wine wine64 fonts-wine xvfb xauth fonts-ipafont-gothic
  locales)
WINDOWS_TOOLCHAIN="$ROOT/cmake/mingw-w64-x86_64.cmake"
# What making the release files needs (git for the commit's time, the
# installer's NSIS, zip, the signing tools), and what checking the Windows
# ones under Wine adds.
WINDOWS_RELEASE_PACKAGES=(git nsis zip osslsigncode gnupg)
WINDOWS_CHECK_PACKAGES=(unzip x11-utils python3-pefile)
# What checking that the release rebuilds and verifies adds: throwaway keys.
RELEASE_CHECK_PACKAGES=(openssl)

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$ROOT/$dir" "$@" >/dev/null
  cmake --build "$ROOT/$dir" -j "$JOBS"
}
