# Figures for the benchmark commands, which alternate two programs run by run; sourced by
# scripts/bench-engine and scripts/bench-threads, not run on its own.

# median N...: the middle of the numbers (the lower middle of an even count).
median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }

# ratio A B: A / B to three places.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
