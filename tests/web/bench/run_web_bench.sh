#!/usr/bin/env bash
# Request-rate figures: N sequential WebRequest GETs of the 50 KB fixture
# page (natively, and the Windows build under Wine when built), against the
# curl command fetching the same N addresses, one process, a new connection
# for each address ("Connection: close" makes the server end every
# connection, as WebRequest's own session per call does).
#
#   tests/web/bench/run_web_bench.sh NATIVE_BUILD_DIR [WINDOWS_BUILD_DIR] [N]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
native=$1
windows=${2:-}
count=${3:-2000}
work=$(mktemp -d)
trap 'python3 "$root/tests/support/fixture_server.py" stop --state "$work/state.json" >/dev/null; rm -rf "$work"' EXIT
python3 "$root/tests/support/fixture_server.py" start --state "$work/state.json" --root "$root/tests/fixtures" >/dev/null
port=$(python3 -c "import json,sys;print(json.load(open(sys.argv[1]))['http_port'])" "$work/state.json")

TZL_FIXTURE_STATE=$work/state.json "$native/tests/web/bench/web_request_bench" "$count" | tee "$work/native.txt"

for ((i = 0; i < count; i++)); do
  printf 'url = "http://fixture.test/bench/page?n=%d"\noutput = "/dev/null"\n' "$i"
done > "$work/curl.config"
start=$(date +%s.%N)
curl -s --connect-to ":80:127.0.0.1:$port" -H "Connection: close" -K "$work/curl.config"
end=$(date +%s.%N)
python3 - "$start" "$end" "$count" "$work/native.txt" <<'PY'
import re, sys
start, end, count = float(sys.argv[1]), float(sys.argv[2]), int(sys.argv[3])
curl_rate = count / (end - start)
ours = float(re.search(r"([0-9.]+) requests/s", open(sys.argv[4]).read()).group(1))
print("curl command: %d requests, %.2f s, %.1f requests/s" % (count, end - start, curl_rate))
print("WebRequest / curl: %.2f" % (ours / curl_rate))
PY

if [ -n "$windows" ]; then
  TZL_FIXTURE_STATE="Z:$work/state.json" "$root/scripts/wine-run" \
    "$windows/tests/web/bench/web_request_bench.exe" "$count" | sed 's/^/Windows build under Wine: /'
fi
