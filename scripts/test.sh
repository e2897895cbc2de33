#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test suite: once in a
# normal build, once under AddressSanitizer and UndefinedBehaviorSanitizer, and a minute of fuzzing
# for each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1

echo "== Formatting: every C++ source of the product, the tests and the tools as .clang-format writes it"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror

echo "== Normal build: every suite"
cmake --preset dev
cmake --build --preset dev -j"$jobs"
ctest --preset dev -j"$jobs"

echo "== The Debian package: from the release build, checked, unpacked into a temporary root and started there"
cmake --preset release
cmake --build --preset release -j"$jobs"
# Packed into an emptied folder, so that the one package in it is this build's.
package_dir="$PWD/build/release/package"
rm -rf "$package_dir"
(cd build/release && cpack -G DEB -B "$package_dir")
packages=("$package_dir"/*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    echo "CPack wrote no single package into $package_dir" >&2
    exit 1
fi
package=${packages[0]}
# Every tag fails, pedantic and informational ones too, unless the package's overrides justify it.
lintian --display-info --pedantic --fail-on error,warning,info,pedantic "$package"
package_root=$(mktemp -d)
trap 'rm -rf "$package_root"' EXIT
dpkg-deb -x "$package" "$package_root"
bash tests/package/check_package.sh "$package_root" build/release/compile_commands.json
bash tests/e2e/kalmoro_e2e.sh close "$package_root/usr/bin/kalmoro" build/release/package-screenshots
rm -rf "$package_root"

echo "== Sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer, leaks are failures)"
cmake --preset asan
cmake --build --preset asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
echo "Left out of the sanitizer run: the suites labelled 'engine' (Chromium inside Qt WebEngine does not run under AddressSanitizer); they ran in the normal build above."
ctest --preset asan -j"$jobs" -LE engine
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== Fuzzing the number text conversion and the job file reader, a minute each"
cmake --preset fuzz
cmake --build --preset fuzz -j"$jobs" --target fuzz_numbertext fuzz_jobfile
ctest --test-dir build/fuzz/tests/fuzz -L fuzz
