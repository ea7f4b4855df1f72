#!/usr/bin/env python3
"""A local HTTPS server that answers webhook posts as Discord's API does, for tests.

    discord_webhook_server.py CERT KEY RECEIPTS

listens on 127.0.0.1 on a free port, prints "PORT <n>" once it is ready, and appends one JSON
line per request to RECEIPTS: the token, the status answered, the time, the User-Agent and the
body as received. A connection that ends before any request, as when the client refuses the
certificate during the handshake or right after it, gets a line with status -1 and the reason
in "tls_error".

The token up to its first "_" picks the behaviour, so a test can give each case a secret
of its own:

    ok        200 with the message object (as under ?wait=true)
    limited   every third request: 429 with retry_after, global and the X-RateLimit headers
    failing   the first request 503, then as ok
    slow      as ok, after two seconds
    dropped   the first request is read whole, then the connection is closed unanswered
    gone      404, code 10015 (unknown webhook)
    revoked   401, code 50027 (invalid webhook token)
    invalid   400, code 50035 with the content's error
    badname   400, code 50035 with the username's error
    forbidden 403, code 50001 (missing access), as when the webhook's channel is out of reach
    moved     the first request 308 to the same address, then as ok, so that a client that
              follows redirects posts twice

It stops by itself after ten minutes, so a test that dies leaves nothing running for long.
"""

import http.server
import json
import re
import socketserver
import ssl
import sys
import threading
import time

PATH = re.compile(r"^/api/v10/webhooks/(\d+)/([A-Za-z0-9_.-]+)\?wait=true$")
LIFETIME_SECONDS = 600


def form_error(field, code, message):
    return {"code": 50035, "message": "Invalid Form Body",
            "errors": {field: {"_errors": [{"code": code, "message": message}]}}}


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    counts = {}
    lock = threading.Lock()
    receipts = None
    next_id = 1000

    def log_message(self, *args):
        pass

    def answer(self, status, payload, headers=()):
        body = json.dumps(payload).encode() if payload is not None else b""
        self.send_response(status)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    @staticmethod
    def write(entry):
        with Handler.lock:
            Handler.receipts.write(json.dumps(entry) + "\n")
            Handler.receipts.flush()

    def record(self, token, status, body):
        Handler.write({"token": token, "status": status, "time": time.time(),
                       "user_agent": self.headers.get("User-Agent", ""),
                       "content_type": self.headers.get("Content-Type", ""),
                       "body": body.decode("utf-8", "replace")})

    def handle(self):
        self.requested = False
        reason = "closed before any request"
        try:
            super().handle()
        except OSError as error:
            reason = str(getattr(error, "reason", None) or error)
        if not self.requested:
            Handler.write({"token": "", "status": -1, "time": time.time(), "tls_error": reason})

    def do_POST(self):
        self.requested = True
        match = PATH.match(self.path)
        body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        if not match:
            self.record("", 404, body)
            return self.answer(404, {"message": "404: Not Found", "code": 0})
        secret = match.group(2)
        token = secret.split("_")[0]
        with Handler.lock:
            count = Handler.counts.get(secret, 0) + 1
            Handler.counts[secret] = count
        if token == "dropped" and count == 1:
            self.record(secret, 0, body)
            self.close_connection = True
            self.connection.shutdown(2)
            return None
        if token == "limited" and count % 3 == 0:
            self.record(secret, 429, body)
            return self.answer(429, {"message": "You are being rate limited.",
                                     "retry_after": 0.25, "global": False},
                               [("Retry-After", "1"), ("X-RateLimit-Limit", "5"),
                                ("X-RateLimit-Remaining", "0"),
                                ("X-RateLimit-Reset-After", "0.25"),
                                ("X-RateLimit-Bucket", "local"), ("X-RateLimit-Scope", "user")])
        if token == "moved" and count == 1:
            self.record(secret, 308, body)
            return self.answer(308, None, [("Location", self.path)])
        refusals = {
            "gone": (404, {"message": "Unknown Webhook", "code": 10015}),
            "revoked": (401, {"message": "Invalid Webhook Token", "code": 50027}),
            "invalid": (400, form_error("content", "BASE_TYPE_MAX_LENGTH",
                                        "Must be 2000 or fewer in length.")),
            "forbidden": (403, {"message": "Missing Access", "code": 50001}),
            "badname": (400, form_error("username", "USERNAME_INVALID_CONTAINS",
                                        'Username cannot contain "discord"')),
        }
        if token in refusals or (token == "failing" and count == 1):
            status, payload = refusals.get(token, (503, {"message": "Service Unavailable"}))
            self.record(secret, status, body)
            return self.answer(status, payload)
        if token == "slow":
            time.sleep(2)
        message = json.loads(body)
        with Handler.lock:
            Handler.next_id += 1
            message_id = str(Handler.next_id)
        self.record(secret, 200, body)
        return self.answer(200, {"id": message_id, "type": 0, "channel_id": "1",
                                 "webhook_id": match.group(1),
                                 "content": message.get("content", ""),
                                 "author": {"id": match.group(1), "bot": True,
                                            "username": message.get("username", "Captain Hook")},
                                 "mentions": [], "mention_roles": [], "mention_everyone": False})


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True

    def get_request(self):
        # The listening socket is wrapped, so the handshake happens as a connection is accepted.
        try:
            return super().get_request()
        except OSError as error:
            reason = getattr(error, "reason", None) or type(error).__name__
            Handler.write({"token": "", "status": -1, "time": time.time(),
                           "tls_error": str(reason)})
            raise


def main():
    cert, key, receipts = sys.argv[1:4]
    Handler.receipts = open(receipts, "a", encoding="utf-8")
    server = Server(("127.0.0.1", 0), Handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Timer(LIFETIME_SECONDS, server.shutdown).start()
    print(f"PORT {server.server_address[1]}", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
