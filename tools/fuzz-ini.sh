#!/usr/bin/env bash
# Builds the ini document fuzzer with clang and runs it for a bounded time.
# Usage: fuzz-ini.sh BUILD_FOLDER [SECONDS]
# New inputs go to BUILD_FOLDER/corpus; the committed seeds are only read.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$1"
seconds="${2:-30}"
fuzzer="$out/ini_document_fuzz"
sources=(
  "$root/tests/persist/fuzz/IniDocumentFuzz.cpp"
  "$root/persist/IniDocument.cpp"
  "$root/persist/IniSyntax.cpp"
  "$root/persist/TextEncoding.cpp"
)
headers=("$root/persist/IniDocument.h" "$root/persist/IniSyntax.h" "$root/persist/TextEncoding.h")

mkdir -p "$out/corpus" "$out/artifacts"
stale=0
for f in "${sources[@]}" "${headers[@]}"; do
  [ "$f" -nt "$fuzzer" ] && stale=1
done
if [ ! -x "$fuzzer" ] || [ "$stale" -eq 1 ]; then
  clang++-14 -std=c++20 -g -O1 \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$root/persist" "${sources[@]}" -o "$fuzzer"
fi

"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/artifacts/" "$out/corpus" "$root/tests/persist/fuzz/corpus"
