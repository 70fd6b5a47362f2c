#!/usr/bin/env python3
"""Prints how long tzl takes for many names against slow fixture services.

  tzl_benchmark.py --tzl PATH --state STATE_JSON [--names 200] [--delay-ms 200]
                   [--jobs 1:20,4,16] [--runner scripts/wine-run]

Not a test: it prints figures. Each --jobs entry is N or N:COUNT (COUNT
names instead of --names, for the slow -j 1). The fixture server is told to
delay every answer, and reset to no delay afterwards. Peak memory comes from
/usr/bin/time -v (under Wine: of the process that hosts the program).
"""

import argparse
import json
import os
import re
import subprocess
import time
import urllib.request

# Fixture names with pages at every service (the .cn ones take no countdown).
NAMES = ["wanxiang.com", "huaxia-trade.com", "lanting-studio.com", "yunfeng-media.com", "huaxia-trade.cn",
         "jinhong-net.com.cn", "mingyue-shop.CN"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tzl", required=True)
    parser.add_argument("--state", required=True)
    parser.add_argument("--names", type=int, default=200)
    parser.add_argument("--delay-ms", type=int, default=200)
    parser.add_argument("--jobs", default="1:20,4,16")
    parser.add_argument("--runner")
    args = parser.parse_args()
    with open(args.state) as f:
        state = json.load(f)
    http, https = state["http_port"], state["https_port"]
    env = dict(os.environ)
    env["TZL_CONNECT_TO"] = f"127.0.0.1:4343:127.0.0.1:{http},:80:127.0.0.1:{http},:443:127.0.0.1:{https}"

    def set_delay(ms):
        urllib.request.urlopen(f"http://127.0.0.1:{http}/__fixture/delay?ms={ms}").read()

    set_delay(args.delay_ms)
    try:
        print(f"tzl --json, every fixture answer delayed {args.delay_ms} ms")
        for entry in args.jobs.split(","):
            jobs, _, count = entry.partition(":")
            count = int(count) if count else args.names
            names = "".join(NAMES[i % len(NAMES)] + "\n" for i in range(count)).encode()
            start = time.monotonic()
            runner = [args.runner] if args.runner else []
            done = subprocess.run(["/usr/bin/time", "-v"] + runner + [args.tzl, "--json", "-j", jobs, "-"], input=names,
                                  capture_output=True, env=env)
            wall = time.monotonic() - start
            lines = done.stdout.decode().splitlines()
            peak = re.search(r"Maximum resident set size \(kbytes\): (\d+)", done.stderr.decode())
            peak_mib = int(peak.group(1)) / 1024 if peak else float("nan")
            print(f"-j {jobs:>2}: {count} names in {wall:7.1f} s ({wall / count:5.2f} s per name, "
                  f"{len(lines)} reports, exit {done.returncode}), peak memory {peak_mib:.1f} MiB")
    finally:
        set_delay(0)


if __name__ == "__main__":
    main()
