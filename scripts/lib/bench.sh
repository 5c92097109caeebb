# Building and figures for the benchmark commands, which alternate two programs run by run;
# sourced by scripts/bench-engine and scripts/bench-threads, not run on its own.

# median N...: the middle of the numbers (the lower middle of an even count).
median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }

# ratio A B: A / B to three places.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

# Installs what building the lab needs, and builds through ccache where the machine has it.
# Needs scripts/lib/setup.sh sourced first.
prepare_lab_builds() {
    ensure_packages "${BASE_PACKAGES[@]}"
    if command -v ccache >/dev/null; then
        export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
    fi
}

# build_lab TREE: builds the vantrel-lab of the source tree TREE in TREE/build, quietly.
build_lab() {
    [ -f "$1/build/build.ninja" ] || cmake -S "$1" -B "$1/build" -G Ninja >/dev/null
    cmake --build "$1/build" --target vantrel-lab >/dev/null
}
