#!/usr/bin/env bash
# Configures and builds one flavour into build/<flavour>: release, debug or asan.
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
shift || true
case "$flavour" in
    release) args=(-DCMAKE_BUILD_TYPE=Release) ;;
    debug) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
    asan) args=(-DCMAKE_BUILD_TYPE=Debug -DVARNEL_SANITIZE=ON) ;;
    fuzz) args=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DVARNEL_FUZZ=ON -DVARNEL_TESTS=OFF) ;;
    *) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac
[ "${CI:-}" = "true" ] && args+=(-DVARNEL_WERROR=ON)

cmake -S . -B "build/$flavour" -G Ninja "${args[@]}" "$@" >/dev/null
cmake --build "build/$flavour" -j "$(nproc)"
