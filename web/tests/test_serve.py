#!/usr/bin/env python3
"""The page's server (web/serve.py) against a real server of the test's own
on a free loopback port: it serves the regular files inside its folder and
nothing else, answers every bad request with a status and safe headers,
closes idle connections, and tells a bad folder or port in one sentence."""
import http.client
import os
import re
import socket
import subprocess
import sys
import tempfile
import threading
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))
import serve  # noqa: E402 (the page's own server, one folder up)

SERVE = os.path.join(HERE, "..", "serve.py")


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as file:
        file.write(text)


class ServedFiles(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        outside = os.path.join(cls.scratch.name, "outside")
        site = os.path.join(cls.scratch.name, "site")
        write(os.path.join(outside, "secret.txt"), "secret")
        write(os.path.join(site, "index.html"), "<p>the page</p>")
        write(os.path.join(site, "app.js"), "// app")
        write(os.path.join(site, "parts", "index.html"), "<p>the parts</p>")
        write(os.path.join(site, ".env"), "TOKEN=secret")
        write(os.path.join(site, ".git", "config"), "[core]")
        os.makedirs(os.path.join(site, "empty"))
        os.symlink(os.path.join(outside, "secret.txt"), os.path.join(site, "outside.txt"))
        os.symlink(outside, os.path.join(site, "elsewhere"))
        os.symlink(os.path.join(site, ".env"), os.path.join(site, "env.txt"))
        os.symlink(os.path.join(site, "app.js"), os.path.join(site, "also.js"))
        cls.server = serve.make_server(site, 0, quiet=True, idle_seconds=1)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.port = cls.server.server_address[1]

    @classmethod
    def tearDownClass(cls):
        cls.server.shutdown()
        cls.server.server_close()
        cls.scratch.cleanup()

    def request(self, method, path):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=30)
        try:
            connection.putrequest(method, path, skip_accept_encoding=True)
            connection.endheaders()
            response = connection.getresponse()
            return response.status, dict(response.getheaders()), response.read()
        finally:
            connection.close()

    def raw(self, data):
        with socket.create_connection(("127.0.0.1", self.port), timeout=30) as connection:
            connection.sendall(data)
            received = b""
            while chunk := connection.recv(65536):
                received += chunk
            return received

    def test_requests(self):
        rows = [  # method, path, status, a text the body holds
            ("GET", "/", 200, b"the page"),
            ("GET", "/index.html", 200, b"the page"),
            ("HEAD", "/app.js", 200, b""),
            ("GET", "/app.js?v=2", 200, b"// app"),
            ("GET", "/also.js", 200, b"// app"),  # a link inside the folder
            ("GET", "/parts/", 200, b"the parts"),
            ("GET", "/parts", 200, b"the parts"),
            ("GET", "/empty/", 404, b""),  # no listing
            ("GET", "/missing.js", 404, b""),
            ("GET", "/outside.txt", 404, b""),  # a link out of the folder
            ("GET", "/elsewhere/secret.txt", 404, b""),
            ("GET", "/../outside/secret.txt", 404, b""),
            ("GET", "/%2e%2e/outside/secret.txt", 404, b""),
            ("GET", "/.env", 404, b""),
            ("GET", "/.git/config", 404, b""),
            ("GET", "/env.txt", 404, b""),  # a link to a dot-file
            ("GET", "/index.html%00.js", 400, b""),
            ("GET", "/%ff%fe", 400, b""),
            ("GET", "/parts%5cindex.html", 400, b""),
            ("POST", "/index.html", 405, b""),
            ("DELETE", "/index.html", 405, b""),
        ]
        for method, path, status, holds in rows:
            with self.subTest(method=method, path=path):
                got, headers, body = self.request(method, path)
                self.assertEqual(got, status)
                self.assertIn(holds, body)
                self.assertNotIn(b"secret", body)
                self.assertEqual(headers.get("Server"), "Spanwright")
                for name, value in serve.SAFE_HEADERS.items():
                    self.assertEqual(headers.get(name), value, name)

    def test_bad_request_lines_get_a_status(self):
        for data in [b"GARBAGE\r\n\r\n", b"GET /\x00 HTTP/1.1\r\n\r\n", b"GET " + b"a" * 70000 + b" HTTP/1.1\r\n\r\n"]:
            with self.subTest(data=data[:20]):
                answer = self.raw(data)
                self.assertRegex(answer.split(b"\r\n")[0], rb"^HTTP/1\.[01] 4\d\d ")

    def test_idle_and_half_sent_requests_are_closed(self):
        for data in [b"", b"GET /index.html HTTP/1.1\r\nHost: x\r\n"]:
            with self.subTest(data=data):
                self.assertEqual(self.raw(data), b"")  # closed, with nothing said

    def test_policy_is_the_pages_own(self):
        with open(os.path.join(HERE, "..", "index.html"), encoding="utf-8") as file:
            meta = re.search(r'http-equiv="Content-Security-Policy"\s+content="([^"]+)"', file.read())
        self.assertEqual(meta.group(1), serve.CONTENT_SECURITY_POLICY)


class StartRefused(unittest.TestCase):
    def test_a_bad_folder_or_port_is_told_in_one_sentence(self):
        scratch = tempfile.TemporaryDirectory()
        taken = socket.socket()
        taken.bind(("127.0.0.1", 0))
        taken.listen()
        busy = taken.getsockname()[1]
        rows = [  # arguments, what standard error says
            ([scratch.name, "--port", "70000"], "serve.py: 70000 is not a port (0 to 65535)\n"),
            ([scratch.name, "--port", "-1"], "serve.py: -1 is not a port (0 to 65535)\n"),
            ([scratch.name, "--port", str(busy)],
             f"serve.py: port {busy} of 127.0.0.1 is in use (give another --port)\n"),
            ([os.path.join(scratch.name, "gone")],
             f"serve.py: {os.path.join(scratch.name, 'gone')} is not a folder (build the site first: "
             "scripts/dev.sh web)\n"),
        ]
        try:
            for arguments, said in rows:
                with self.subTest(arguments=arguments):
                    run = subprocess.run([sys.executable, SERVE, *arguments], capture_output=True, text=True,
                                         timeout=60)
                    self.assertEqual(run.returncode, 2)
                    self.assertEqual(run.stdout, "")
                    self.assertEqual(run.stderr, said)
        finally:
            taken.close()
            scratch.cleanup()


if __name__ == "__main__":
    unittest.main()
