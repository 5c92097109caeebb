# Shared set-up for the project's commands: install missing Debian packages, configure, build.
# Sourced by scripts/run, scripts/test and the other commands; not run on its own.

BASE_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgtest-dev fonts-ipafont-gothic)

missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
    done
}

# Installs only what is missing; prints nothing when everything is there.
ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        echo "Installing ${missing[*]} with sudo apt-get (you may be asked for your password)."
        sudo=(sudo)
    else
        echo "Installing ${missing[*]} with apt-get."
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    fi
    cmake --build "$dir"
}
