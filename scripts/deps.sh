# Installs the Debian packages the build and the tests need, when missing.
# Sourced by run.sh and test.sh.
meridex_install_deps() {
  # libc-bin: zic, which compiles the committed zone source for the city
  # database tools; tzdata: the local time of the running program (the
  # tests do not read it); librsvg2-bin: rsvg-convert, which renders the
  # program's PNG icons from its SVG; libxcb1-dev: the start-up benchmark's
  # probe, which watches the X display for the program's first window.
  local packages=(build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev
                  libgl-dev libgtest-dev libbenchmark-dev fonts-liberation2 libc-bin tzdata
                  librsvg2-bin libxcb1-dev "$@")
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}
