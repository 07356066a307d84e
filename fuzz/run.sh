#!/bin/sh
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ and fuzzes one of them for a number of seconds:
#     fuzz/run.sh fuzz_parse 600
# The seed corpus in fuzz/corpus/TARGET is only read; what the run adds goes to a scratch
# directory ($ZELMORA_FUZZ_SCRATCH, /tmp/zelmora-fuzz by default), crashes to fuzz/findings/.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 TARGET SECONDS   (TARGET: fuzz_parse, fuzz_numbertext, fuzz_calculators," >&2
    echo "       fuzz_solver, fuzz_converter or fuzz_pitext)" >&2
    exit 2
fi
target=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
scratch="${ZELMORA_FUZZ_SCRATCH:-/tmp/zelmora-fuzz}/$target"
findings="$root/fuzz/findings/$target"

if [ ! -d "$root/fuzz/corpus/$target" ]; then
    echo "$0: no target $target (no fuzz/corpus/$target)" >&2
    exit 2
fi

"$root/scripts/setup.sh"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -Wno-dev -DZELMORA_FUZZ=ON \
        -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
cmake --build "$build" --target "$target"

work="$scratch.work"
mkdir -p "$scratch" "$work" "$findings"
# One job in one worker: libFuzzer writes its log to fuzz-0.log in the working directory and
# prints it when the job ends.
cd "$work"
status=0
"$build/fuzz/$target" "$scratch" "$root/fuzz/corpus/$target" \
    -dict="$root/fuzz/numbers.dict" -max_total_time="$seconds" -jobs=1 -workers=1 \
    -artifact_prefix="$findings/" -print_final_stats=1 || status=$?
echo "corpus: $(find "$scratch" -type f | wc -l) new entries in $scratch"
if [ -n "$(ls -A "$findings")" ]; then
    echo "findings in $findings:"
    ls -l "$findings"
fi
exit $status
