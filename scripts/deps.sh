# Sourced by run.sh and test.sh: installs the Debian packages the project needs
# that are missing (as root on Debian 12). Installs nothing when all are present.
quorvel_packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
  g++-mingw-w64-x86-64 wine64 wine
  xvfb x11-xserver-utils x11-utils xdotool imagemagick sox locales
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  wixl msitools zip python3 python3-yaml gettext
)

quorvel_install_missing() {
  local missing=()
  for p in "${quorvel_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages need root: apt-get install ${missing[*]}" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}
