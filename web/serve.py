#!/usr/bin/env python3
"""Serves the built site on 127.0.0.1 with the types a browser insists on
for modules and WebAssembly. Used by `scripts/dev.sh web` and the browser
tests."""
import argparse
import functools
import http.server

TYPES = {".mjs": "text/javascript", ".js": "text/javascript", ".wasm": "application/wasm",
         ".svg": "image/svg+xml", ".css": "text/css", ".html": "text/html", ".png": "image/png",
         ".webmanifest": "application/manifest+json", ".json": "application/json"}


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def log_message(self, format, *args):  # noqa: A002 (the base class's name)
        if not getattr(self.server, "quiet", False):
            super().log_message(format, *args)


def make_server(folder, port, quiet=False):
    handler = functools.partial(SiteHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    server.quiet = quiet
    return server


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder")
    parser.add_argument("--port", type=int, default=8095)
    arguments = parser.parse_args()
    server = make_server(arguments.folder, arguments.port)
    print(f"Spanwright's page is served on http://127.0.0.1:{arguments.port}/ "
          "until you stop it (Ctrl+C).", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
