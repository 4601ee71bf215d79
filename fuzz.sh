#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each target for the given number of seconds (default 60).
# Fails when any target crashes, hangs, or a sanitizer reports; the input that did it is
# kept in build-fuzz/crashes/. Inputs of up to 256 KB reach the faults of large files
# (long runs of blank lines, huge counts). Usage: ./fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
LUMO_BUILD="${LUMO_FUZZ_BUILD:-$(cd "$(dirname "$0")" && pwd)/build-fuzz}"
source "$(dirname "$0")/scripts/common.sh"
lumo_install_missing "${LUMO_PACKAGES[@]}" clang libclang-rt-14-dev

duration="${1:-60}"
shift || true
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S "$LUMO_ROOT" -B "$LUMO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMO_BUILD_FUZZ=ON -DLUMO_BUILD_GUI=OFF -DLUMO_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$LUMO_BUILD" --target lumo_fuzz --parallel "$(nproc)"

fuzzer="$LUMO_BUILD/fuzz/lumo_fuzz"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && mapfile -t targets < <(LUMO_FUZZ_LIST=1 "$fuzzer")
mkdir -p "$LUMO_BUILD/crashes" "$LUMO_BUILD/logs"
failed=()
for target in "${targets[@]}"; do
  corpus="$LUMO_BUILD/corpus/$target"
  mkdir -p "$corpus"
  log="$LUMO_BUILD/logs/$target.log"
  echo "== $target: ${duration}s"
  if LUMO_FUZZ_TARGET="$target" "$fuzzer" "$corpus" "$LUMO_ROOT/fuzz/corpus/$target" \
       -max_total_time="$duration" -timeout=10 -rss_limit_mb=2048 -max_len=262144 \
       -artifact_prefix="$LUMO_BUILD/crashes/$target-" -print_final_stats=1 >"$log" 2>&1; then
    grep -E "DONE" "$log" | tail -n 1
  else
    echo "FAILED: $target (see $log)"
    tail -n 30 "$log"
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets that failed: ${failed[*]}"
  exit 1
fi
echo "All fuzz targets ran ${duration}s each without a crash."
