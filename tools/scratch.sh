# Sourced by the scripts that run the program away from the user's own
# settings, lock and caches.

# A throwaway home in $scratch: settings, lock and caches go there, and it is
# removed on exit together with anything started in the background (Xvfb).
scratch_home() {
    scratch=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
    export XDG_CACHE_HOME="$scratch/cache" XDG_DATA_HOME="$scratch/data"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

# start_xvfb WIDTHxHEIGHT: a virtual X display on a free number; sets
# $xvfb_display (":N") once it accepts clients.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
    xvfb_display=":$(cat "$scratch/display")"
}
