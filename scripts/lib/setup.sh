# Shared set-up for the project's commands: install missing Debian packages, configure, build.
# Sourced by scripts/run, scripts/test and the other commands; not run on its own.

BASE_PACKAGES=(g++ cmake ninja-build qt6-base-dev libsqlite3-dev libgtest-dev libcli11-dev
    fonts-ipafont-gothic help2man)
# Building the Debian package and checking it, as scripts/package and scripts/test do.
PACKAGE_TOOLS=(dpkg-dev file lintian desktop-file-utils appstream)

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

# Runtime options for the sanitizer build (build-asan/): any report fails the program that caused
# it. Qt is not instrumented, so the few leaks of its own that LeakSanitizer sees are listed in the
# suppressions file.
export_sanitizer_options() {
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}
