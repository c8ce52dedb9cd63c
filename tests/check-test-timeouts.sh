#!/usr/bin/env bash
# Checks that every registered test has a TIMEOUT property of its own, so that
# a fault that makes a test loop fails that test instead of halting the run.
#   check-test-timeouts.sh BUILD_DIR
set -euo pipefail
ctest --test-dir "$1" --show-only=json-v1 | python3 -c '
import json, sys
tests = json.load(sys.stdin)["tests"]
missing = [t["name"] for t in tests
           if not any(p["name"] == "TIMEOUT" and float(p["value"]) > 0 for p in t.get("properties", []))]
for name in missing:
    print("no timeout:", name)
if not tests:
    print("no tests listed")
    sys.exit(1)
print(f"{len(tests) - len(missing)} of {len(tests)} tests have a timeout")
sys.exit(1 if missing else 0)
'
