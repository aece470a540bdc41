# Sourced first by every script here, for the set-up they share: strict mode, the
# checkout's root as the working folder ($lorvan_root), and the build steps, each
# run with its output in build/logs/<step>.log so the terminal stays short; a step
# that fails names itself, its exit code and the end of its log there.
#
#   source "$(dirname "$0")/prelude.sh"
#   build_step <name> <command> [arguments...]
#   build_preset <preset> [targets...]   configure and build through the preset,
#                                        so its environment (NODE_PATH) applies
#   install_deps                         the packages the build and tests need
#
# LORVAN_LOG_DIR puts the logs elsewhere.
set -euo pipefail
lorvan_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$lorvan_root"
build_steps_logs=${LORVAN_LOG_DIR:-$lorvan_root/build/logs}

build_step() {
    local name=$1 code=0
    shift
    local log="$build_steps_logs/$name.log"
    mkdir -p "$build_steps_logs"
    echo "== $name"
    "$@" >"$log" 2>&1 || code=$?
    if [ "$code" -ne 0 ]; then
        {
            echo "FAILED: step '$name' exited with code $code: $*"
            echo "---- last 40 lines of $log ----"
            tail -n 40 "$log"
            echo "---- end of $log ----"
        } >&2
    fi
    return "$code"
}

build_preset() {
    local preset=$1
    shift
    local targets=()
    if [ "$#" -gt 0 ]; then
        targets=(--target "$@")
    fi
    build_step "$preset-configure" cmake --preset "$preset" &&
        build_step "$preset-build" cmake --build --preset "$preset" "${targets[@]}" -j 2
}

install_deps() {
    build_step install-deps bash "$lorvan_root/scripts/install-deps.sh"
}
