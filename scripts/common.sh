# Shared by scripts/run, scripts/test and scripts/screenshot: install what is
# missing, then configure and build. Source it; it defines functions only.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Runs apt-get as root, through sudo when we are not root already.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
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
  echo "== installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs.
BUILD_PACKAGES=(g++ cmake make pkg-config libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n
  libgl-dev fonts-ipafont-gothic)

# What cross-building the Windows program needs (scripts/build-windows), and
# what running it and its tests under Wine adds (locales: the sources of the
# Japanese and English locales the tests run Wine in).
WINDOWS_BUILD_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64 googletest)
WINDOWS_RUN_PACKAGES=(wine wine64 fonts-wine xvfb xauth fonts-ipafont-gothic
  locales)
WINDOWS_TOOLCHAIN="$ROOT/cmake/mingw-w64-x86_64.cmake"
# What making the Windows release files needs (the installer's NSIS), and
# what checking them under Wine adds.
WINDOWS_RELEASE_PACKAGES=(nsis)
WINDOWS_CHECK_PACKAGES=(unzip x11-utils python3-pefile)

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$ROOT/$dir" "$@" >/dev/null
  cmake --build "$ROOT/$dir" -j "$JOBS"
}
