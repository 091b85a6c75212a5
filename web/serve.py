#!/usr/bin/env python3
"""Serves the built site on 127.0.0.1 with the types a browser insists on
for modules and WebAssembly. Used by `scripts/dev.sh web` and the browser
tests.

It serves the regular files inside its folder and nothing else: no file a
link takes outside it, no dot-file (.git, .env), no folder listing; a
folder's index.html stands for the folder. Every request it cannot answer
gets an HTTP status, never a dropped connection; a connection idle for
IDLE_SECONDS is closed."""
import argparse
import errno
import functools
import http.server
import os
import sys
import urllib.parse

TYPES = {".mjs": "text/javascript", ".js": "text/javascript", ".wasm": "application/wasm",
         ".svg": "image/svg+xml", ".css": "text/css", ".html": "text/html", ".png": "image/png",
         ".webmanifest": "application/manifest+json", ".json": "application/json"}

# The page's own policy (its meta tag in index.html), sent as a header too,
# so that it covers every file and what only a header can say.
CONTENT_SECURITY_POLICY = (
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
    "img-src 'self' blob: data:; connect-src 'self' blob:; worker-src 'self'; manifest-src 'self'; "
    "object-src 'none'; base-uri 'none'; form-action 'none'")
# Every response: checked again each time (the service worker keeps the
# files for offline use, and a new build must be seen), never sniffed.
SAFE_HEADERS = {
    "Cache-Control": "no-cache",
    "X-Content-Type-Options": "nosniff",
    "Content-Security-Policy": CONTENT_SECURITY_POLICY + "; frame-ancestors 'none'",
    "Referrer-Policy": "no-referrer",
}
IDLE_SECONDS = 10
SERVER_NAME = "Spanwright"


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    timeout = IDLE_SECONDS  # a connection that sends nothing for so long is closed
    default_request_version = "HTTP/1.0"  # a request line without one is answered with a status line too

    def version_string(self):
        return SERVER_NAME  # no versions of the server or of Python

    def end_headers(self):
        for name, value in SAFE_HEADERS.items():
            self.send_header(name, value)
        super().end_headers()

    def log_message(self, format, *args):  # noqa: A002 (the base class's name)
        if not getattr(self.server, "quiet", False):
            super().log_message(format, *args)

    def send_response(self, code, message=None):
        self.responded = True
        super().send_response(code, message)

    def handle_one_request(self):
        self.responded = False
        try:
            super().handle_one_request()
        except (ConnectionError, TimeoutError):
            self.close_connection = True
        except Exception:  # noqa: BLE001 (a fault of this server: told as one, never a dropped connection)
            self.close_connection = True
            if not self.responded:
                try:
                    self.send_error(500)
                except OSError:
                    pass

    def do_POST(self):  # noqa: N802 (the base class's naming)
        self.send_error(405)

    do_PUT = do_DELETE = do_PATCH = do_OPTIONS = do_POST

    def send_head(self):
        try:
            path = self.site_file(self.path)
        except ValueError:  # a NUL, a backslash, bytes that are not UTF-8
            self.send_error(400)
            return None
        if path is None:
            self.send_error(404)
            return None
        self.path = "/" + os.path.relpath(path, self.site_root()).replace(os.sep, "/")
        try:
            return super().send_head()
        except OSError:
            self.send_error(404)
            return None

    def site_root(self):
        return os.path.realpath(self.directory)

    def site_file(self, request_path):
        """The regular file inside the site that request_path names, or None
        for a dot-file or -folder, one outside the site (by .. or a link), a
        folder without index.html. ValueError for a path that is no path: a
        NUL, a backslash, bytes that are not UTF-8."""
        path = urllib.parse.unquote(urllib.parse.urlsplit(request_path).path, errors="strict")
        if "\0" in path or "\\" in path:
            raise ValueError(request_path)
        parts = [part for part in path.split("/") if part]
        if any(part.startswith(".") for part in parts):
            return None
        root = self.site_root()
        full = os.path.realpath(os.path.join(root, *parts))
        if os.path.isdir(full):
            full = os.path.realpath(os.path.join(full, "index.html"))
        if os.path.commonpath([root, full]) != root or not os.path.isfile(full):
            return None
        relative = os.path.relpath(full, root)
        if any(part.startswith(".") for part in relative.split(os.sep)):
            return None  # a link inside the site to a dot-file
        return full

    def list_directory(self, path):
        self.send_error(404)  # never a listing
        return None


def make_server(folder, port, quiet=False, idle_seconds=IDLE_SECONDS):
    """The server of folder on 127.0.0.1:port (0: a free port); raises
    ValueError with a sentence for a folder that is not there or a port that
    cannot be had."""
    if not os.path.isdir(folder):
        raise ValueError(f"{folder} is not a folder (build the site first: scripts/dev.sh web)")
    if not 0 <= port <= 65535:
        raise ValueError(f"{port} is not a port (0 to 65535)")
    handler_class = type("SiteHandler", (SiteHandler,), {"timeout": idle_seconds})
    handler = functools.partial(handler_class, directory=folder)
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    except OSError as error:
        if error.errno == errno.EADDRINUSE:
            raise ValueError(f"port {port} of 127.0.0.1 is in use (give another --port)") from None
        raise ValueError(f"port {port} of 127.0.0.1 cannot be served on: {error.strerror}") from None
    server.daemon_threads = True
    server.quiet = quiet
    return server


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("folder")
    parser.add_argument("--port", type=int, default=8095)
    arguments = parser.parse_args()
    try:
        server = make_server(arguments.folder, arguments.port)
    except ValueError as error:
        print(f"serve.py: {error}", file=sys.stderr)
        return 2
    port = server.server_address[1]
    print(f"Spanwright's page is served on http://127.0.0.1:{port}/ "
          "until you stop it (Ctrl+C).", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
