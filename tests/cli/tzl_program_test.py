#!/usr/bin/env python3
"""tzl as a user runs it, against the fixture web services.

  tzl_program_test.py --tzl PATH --state STATE_JSON [--runner PROGRAM]

--runner starts the program (scripts/wine-run for tzl.exe).
"""

import argparse
import http.client
import json
import os
import socket
import subprocess
import sys
import time
import unittest

ARGS = None

KNOWN = "wanxiang.com"      # every service has a page for it
CHINESE = "huaxia-trade.cn"  # a .cn record with a Chinese registrant
UNKNOWN = "nobody-knows-this.com"

LABELS = ["registrar", "registrar_url", "updated", "created", "expires", "deletion_countdown", "email", "phone",
          "registrant", "companies", "ip"]
OBJECTS = {
    "valuation": ["godaddy", "cxz", "wanmi", "meanings"],
    "backlinks": ["sogou", "baidu"],
    "index": ["sogou", "baidu"],
    "drop_catch": ["status", "time", "type"],
    "filing": ["licence", "approved", "sponsor", "sponsor_type", "site_name"],
}
ENGINES = ["baidu_pc", "baidu_mobile", "sogou_pc", "sogou_mobile", "360_pc", "360_mobile", "shenma_mobile"]


def run(*args, stdin=b""):
    with open(ARGS.state) as f:
        state = json.load(f)
    env = dict(os.environ)
    http, https = state["http_port"], state["https_port"]
    # The record gateway's address goes to the fixture records too, and
    # every web host to the fixture services.
    env["TZL_CONNECT_TO"] = f"127.0.0.1:4343:127.0.0.1:{http},:80:127.0.0.1:{http},:443:127.0.0.1:{https}"
    command = ([ARGS.runner] if ARGS.runner else []) + [ARGS.tzl] + list(args)
    done = subprocess.run(command, input=stdin, capture_output=True, env=env, timeout=240)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def gateway_get(port, target):
    """The answer of a gateway, or None while it does not listen yet."""
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    try:
        connection.request("GET", target)
        response = connection.getresponse()
        return response.status, response.getheader("X-Whois-Status"), response.read()
    except OSError:
        return None
    finally:
        connection.close()


def json_lines(text):
    return [json.loads(line) for line in text.splitlines()]


class Output(unittest.TestCase):
    def assert_complete(self, report):
        """Every key is there, and every value is text."""
        for key in ["name", "query"] + LABELS:
            self.assertIsInstance(report[key], str, key)
        for key, members in OBJECTS.items():
            self.assertEqual(sorted(report[key]), sorted(members), key)
            for member in members:
                self.assertIsInstance(report[key][member], str, f"{key}.{member}")
        self.assertEqual(list(report["weights"]), ENGINES)
        for engine in ENGINES:
            self.assertEqual(sorted(report["weights"][engine]), ["visitors", "weight_picture"])
        self.assertIsInstance(report["price_history"], list)

    def test_text_shows_every_field_as_the_window_does(self):
        code, out, err = run(KNOWN)
        self.assertEqual(code, 0, err)
        lines = out.splitlines()
        self.assertEqual(lines[0], KNOWN)
        for expected in ["  注册商：Alibaba Cloud Computing (Beijing) Co., Ltd.",
                         "  到期：2027-05-06T04:00:00Z 3d20h后删除",
                         "  Godaddy保守估值为:8900美元（仅适用于英文域名）",
                         "  百度反链：1,460,000条",
                         "  共匹配到1523个公司企业终端",
                         "    价格  类型    交易时间             交易平台",
                         "    [图]  一口价  2023-02-14 16:30:00  聚名网",
                         "    ip地址：               198.51.100.7"]:
            self.assertIn(expected, lines)

    def test_json_has_every_field_for_each_name(self):
        code, out, err = run("--json", KNOWN, CHINESE)
        self.assertEqual(code, 0, err)
        known, chinese = json_lines(out)
        for report in (known, chinese):
            self.assert_complete(report)
        self.assertEqual(known["name"], KNOWN)
        self.assertEqual(known["registrar"], "Alibaba Cloud Computing (Beijing) Co., Ltd.")
        self.assertEqual(known["expires"], "2027-05-06T04:00:00Z")
        self.assertEqual(known["deletion_countdown"], "3d20h")
        self.assertEqual(known["registrant"], "")
        self.assertEqual(known["valuation"]["godaddy"], "8900")
        self.assertEqual(known["backlinks"]["baidu"], "1,460,000")
        self.assertEqual(known["companies"], "1523")
        self.assertEqual(known["drop_catch"]["type"], "竞价")
        self.assertEqual([row["platform"] for row in known["price_history"]], ["聚名网", "易名中国", "爱名网"])
        self.assertEqual(known["weights"]["baidu_pc"], {"weight_picture": "png", "visitors": "3,560"})
        self.assertEqual(known["ip"], "198.51.100.7")
        self.assertEqual(known["filing"]["sponsor"], "万向集团公司")
        self.assertEqual(chinese["registrant"], "北京华夏贸易有限公司")
        self.assertEqual(chinese["deletion_countdown"], "")

    def test_name_no_service_knows_gives_empty_fields_not_an_error(self):
        code, out, err = run("--json", "--no-details", UNKNOWN)
        self.assertEqual(code, 0, err)
        (report,) = json_lines(out)
        self.assert_complete(report)
        for key in LABELS:
            self.assertEqual(report[key], "", key)
        self.assertEqual(report["valuation"], {"godaddy": "", "cxz": "", "wanmi": "", "meanings": ""})
        self.assertEqual(report["price_history"], [])
        self.assertEqual(report["drop_catch"]["status"], "该域名近日没有登录抢注竞价平台")

    def test_names_come_from_standard_input_with_a_dash(self):
        names = f"{KNOWN}\r\n\n{CHINESE}\n".encode("utf-8")
        code, out, err = run("--json", "--no-details", "-", stdin=names)
        self.assertEqual(code, 0, err)
        self.assertEqual([r["name"] for r in json_lines(out)], [KNOWN, CHINESE])

    def test_parallel_names_keep_their_order_and_their_answers(self):
        names = [KNOWN, CHINESE, "lanting-studio.com", "huaxia-trade.com", "yunfeng-media.com", KNOWN]
        code, out, err = run("--json", "--no-details", "-j", "3", *names)
        self.assertEqual(code, 0, err)
        parallel = json_lines(out)
        self.assertEqual([r["name"] for r in parallel], names)
        code, out, err = run("--json", "--no-details", "-j", "1", *names)
        self.assertEqual(json_lines(out), parallel)

    def test_names_travel_through_the_command_line_and_json_unharmed(self):
        tricky = ['q"uo\\te', "华夏.cn"]
        code, out, err = run("--json", "--no-details", *tricky)
        self.assertEqual(code, 0, err)
        reports = json_lines(out)
        self.assertEqual([r["name"] for r in reports], tricky)
        self.assertEqual(reports[0]["query"], 'q"uo\\te.com')

    def test_bad_names_are_reported_and_the_others_go_on(self):
        code, out, err = run("--json", "--no-details", "", KNOWN, "a\tb.com")
        self.assertEqual(code, 1)
        self.assertEqual([r["name"] for r in json_lines(out)], [KNOWN])
        self.assertEqual(err.splitlines(), ['tzl: "": empty name', 'tzl: "a\tb.com": control characters in the name'])

    def test_progress_line_goes_to_a_terminal_only(self):
        if ARGS.runner:
            self.skipTest("Wine gives the program no console for a pseudo-terminal")
        import pty
        leader, follower = pty.openpty()
        with open(ARGS.state) as f:
            state = json.load(f)
        env = dict(os.environ)
        env["TZL_CONNECT_TO"] = f"127.0.0.1:4343:127.0.0.1:{state['http_port']},:80:127.0.0.1:{state['http_port']}," \
                                f":443:127.0.0.1:{state['https_port']}"
        done = subprocess.run([ARGS.tzl, "--json", "--no-details", KNOWN, CHINESE], stdout=subprocess.PIPE,
                              stderr=follower, env=env, timeout=240)
        os.close(follower)
        shown = b""
        while True:
            try:
                chunk = os.read(leader, 4096)
            except OSError:
                break
            if not chunk:
                break
            shown += chunk
        os.close(leader)
        self.assertEqual(done.returncode, 0)
        self.assertIn(b"2/2 names, 0:0", shown)
        self.assertEqual(len(json_lines(done.stdout.decode())), 2)
        # Without a terminal, standard error stays empty.
        code, out, err = run("--json", "--no-details", KNOWN)
        self.assertEqual(err, "")

    def test_usage_errors_exit_2_with_one_line(self):
        for args in [(), ("--bogus", KNOWN), ("-j", "0", KNOWN), ("--json",)]:
            code, out, err = run(*args)
            self.assertEqual(code, 2, args)
            self.assertEqual(out, "")
            self.assertEqual(len(err.splitlines()), 1, err)
            self.assertTrue(err.startswith("tzl: "), err)


class Gateway(unittest.TestCase):
    def test_gateway_runs_alone_and_a_second_one_on_its_port_gives_up(self):
        port = free_port()
        command = ([ARGS.runner] if ARGS.runner else []) + [ARGS.tzl, "whois-gateway", "--listen", f"127.0.0.1:{port}"]
        gateway = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        try:
            answer = None
            deadline = time.monotonic() + 60
            while answer is None and time.monotonic() < deadline and gateway.poll() is None:
                time.sleep(0.2)
                answer = gateway_get(port, "/?domain=not_a_name")
            # An invalid name is answered at once, without any registry.
            self.assertEqual(answer, (200, "invalid-name", b""))
            code, out, err = run("whois-gateway", "--listen", f"127.0.0.1:{port}")
            self.assertEqual(code, 1)
            self.assertEqual(err, f"tzl: 127.0.0.1:{port} is already in use\n")
        finally:
            gateway.terminate()
            gateway.wait(timeout=30)
        self.assertIn(f"listening on 127.0.0.1:{port}", gateway.stderr.read().decode())

    def test_gateway_address_must_be_a_numeric_one(self):
        code, out, err = run("whois-gateway", "--listen", "example.com:4343")
        self.assertEqual(code, 1)
        self.assertEqual(err, "tzl: cannot listen on example.com:4343\n")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--tzl", required=True)
    parser.add_argument("--state", required=True)
    parser.add_argument("--runner")
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
