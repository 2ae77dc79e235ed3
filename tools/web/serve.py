#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Serves Starquill's site on 127.0.0.1 only, as a static host should.

Each file goes in the smallest form the browser accepts: the .br or .gz made
beside it by the build when the Accept-Encoding allows, else as it is. The
.wasm goes as exactly application/wasm, so that the browser compiles it while
it downloads. Every answer carries an ETag, so that a revalidation (the
service worker's, filling its cache from what the page just loaded) costs a
304 and no body. One line per answer on standard error: method, path, status,
encoding and the bytes of the body sent.

    serve.py [--plain] <site folder> [port]     (port 0: any free one)
"""
import argparse
import http.server
import os
import sys
import urllib.parse

TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.json': 'application/json',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
}
# Best first: brotli is a fifth smaller than gzip on the .wasm.
ENCODINGS = (('br', '.br'), ('gzip', '.gz'))


def accepted(header):
    """The codings of an Accept-Encoding header, with their weights."""
    weights = {}
    for item in (header or '').split(','):
        coding, _, params = item.strip().partition(';')
        coding = coding.strip().lower()
        if not coding:
            continue
        weight = 1.0
        for param in params.split(';'):
            name, _, value = param.strip().partition('=')
            if name.strip().lower() == 'q':
                try:
                    weight = float(value)
                except ValueError:
                    weight = 0.0
        weights[coding] = weight
    return weights


def choose(weights, available):
    """The encoding to send: the best weighted of `available`, or None."""
    best, best_weight = None, 0.0
    for coding in available:
        weight = weights.get(coding, weights.get('*', 0.0))
        if weight > best_weight:
            best, best_weight = coding, weight
    return best


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'
    server_version = 'StarquillServe'
    sys_version = ''
    root = '.'
    plain = False

    def do_HEAD(self):
        self.answer(body=False)

    def do_GET(self):
        self.answer(body=True)

    def locate(self):
        path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
        if path.endswith('/'):
            path += 'index.html'
        parts = [part for part in path.split('/') if part]
        if any(part.startswith('.') for part in parts):
            return None
        name = os.path.join(self.root, *parts)
        return name if os.path.isfile(name) else None

    def answer(self, body):
        name = self.locate()
        if not name:
            self.send_headers(404, {'Content-Type': 'text/plain; charset=utf-8', 'Content-Length': '10'})
            if body:
                self.wfile.write(b'Not found\n')
            self.note(404, None, 10 if body else 0)
            return
        source = os.stat(name)
        encoding, path, stat = None, name, source
        if not self.plain:
            variants = {}
            for coding, suffix in ENCODINGS:
                try:
                    variant = os.stat(name + suffix)
                except OSError:
                    continue
                # A variant older than its file belongs to an earlier build
                # (to the second: brotli keeps its input's time in seconds).
                if variant.st_mtime_ns // 10**9 >= source.st_mtime_ns // 10**9:
                    variants[coding] = (name + suffix, variant)
            encoding = choose(accepted(self.headers.get('Accept-Encoding')), variants)
            if encoding:
                path, stat = variants[encoding]
        tag = '"%x-%x-%s"' % (source.st_mtime_ns, stat.st_size, encoding or 'identity')
        headers = {
            'Content-Type': TYPES.get(os.path.splitext(name)[1], 'application/octet-stream'),
            'ETag': tag,
            'Cache-Control': 'no-cache',
            'Vary': 'Accept-Encoding',
            'X-Content-Type-Options': 'nosniff',
        }
        if encoding:
            headers['Content-Encoding'] = encoding
        wanted = [t.strip() for t in self.headers.get('If-None-Match', '').split(',')]
        if tag in wanted or '*' in wanted:
            headers.pop('Content-Type')
            headers['Content-Length'] = '0'
            self.send_headers(304, headers)
            self.note(304, encoding, 0)
            return
        headers['Content-Length'] = str(stat.st_size)
        self.send_headers(200, headers)
        sent = 0
        if body:
            with open(path, 'rb') as file:
                while chunk := file.read(1 << 16):
                    self.wfile.write(chunk)
                    sent += len(chunk)
        self.note(200, encoding, sent)

    def send_headers(self, status, headers):
        self.send_response_only(status)
        self.send_header('Date', self.date_time_string())
        for key, value in headers.items():
            self.send_header(key, value)
        self.end_headers()

    def note(self, status, encoding, sent):
        sys.stderr.write('%s %s %d %s %d\n' % (self.command, self.path, status, encoding or 'identity', sent))
        sys.stderr.flush()

    def log_message(self, format, *args):
        pass  # one line per answer comes from note()


def main():
    parser = argparse.ArgumentParser(description='Serves the site on 127.0.0.1.')
    parser.add_argument('--plain', action='store_true', help='send every file as it is, uncompressed')
    parser.add_argument('site')
    parser.add_argument('port', nargs='?', type=int, default=8080)
    options = parser.parse_args()
    Handler.root = os.path.abspath(options.site)
    Handler.plain = options.plain
    server = http.server.ThreadingHTTPServer(('127.0.0.1', options.port), Handler)
    server.daemon_threads = True
    print('Starquill is at http://127.0.0.1:%d/ (Ctrl+C stops the server)' % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == '__main__':
    main()
