"""Linux-side fixtures for the Windows tests; each adds what it offers to the environment."""
import contextlib
import http.server
import json
import socket
import threading
import time
from pathlib import Path

# The update documents the local web host serves, by path. Bytes, as the maker would publish them.
NEWER_DOCUMENT = (
    '<?xml version="1.0" encoding="utf-8"?>\r\n'
    "<html><body>\r\n<renovation>\r\n"
    "<item><title>OTHER_TOOL</title><version>9.0</version><data>not ours</data></item>\r\n"
    "<item>\r\n<title> glimra_vx </title>\r\n<version>1.3.1.10</version>\r\n"
    "<data>Glimra 1.3.1.10&#13;\r\n&lt;Новое&gt; &amp; fixed</data>\r\n</item>\r\n"
    "</renovation>\r\n</body></html>\r\n"
).encode("utf-8")
NOT_NEWER_DOCUMENT = (
    "<renovation><item><title>GLIMRA_VX</title><version>1.3.1.2</version>"
    "<data>same</data></item></renovation>"
).encode("utf-8")
OTHER_PRODUCTS_DOCUMENT = (
    "<renovation><item><title>OTHER_TOOL</title><version>9.9</version>"
    "<data>x</data></item></renovation>"
).encode("utf-8")
NOT_FOUND_PAGE = b"<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1></body></html>"
MAX_DOCUMENT_BYTES = 1024 * 1024


def _padded_document(size):
    body = NEWER_DOCUMENT
    return body + b" " * (size - len(body))


class _UpdateHost(http.server.BaseHTTPRequestHandler):
    """The maker's web host in miniature: fixed answers by path, each request logged as one JSON line."""

    log_path = None
    log_lock = threading.Lock()
    stopping = None  # set when the host stops: ends the waits of the paths below


    def do_GET(self):
        self._log_request()
        path = self.path.split("?", 1)[0]
        if path == "/checking_update_v1_00.xhtm":
            self._answer(200, NEWER_DOCUMENT)
        elif path == "/noup.xhtm":
            self._answer(200, NOT_NEWER_DOCUMENT)
        elif path == "/other.xhtm":
            self._answer(200, OTHER_PRODUCTS_DOCUMENT)
        elif path == "/moved.xhtm":
            self._answer(302, b"", [("Location", "/checking_update_v1_00.xhtm")])
        elif path == "/private.xhtm":
            self._answer(401, b"<html><body>Authorization Required</body></html>",
                         [("WWW-Authenticate", 'Basic realm="glimra"')])
        elif path == "/largest.xhtm":
            self._answer(200, _padded_document(MAX_DOCUMENT_BYTES))
        elif path == "/oversized.xhtm":
            self._answer(200, _padded_document(MAX_DOCUMENT_BYTES + 1))
        elif path == "/cut.xhtm":
            # Announces the whole document, sends half of it and closes the connection mid-item.
            self._answer(200, NEWER_DOCUMENT[:len(NEWER_DOCUMENT) // 2], announced=len(NEWER_DOCUMENT))
        elif path == "/trickle.xhtm":
            self._trickle(NEWER_DOCUMENT)
        elif path == "/silent.xhtm":
            # Takes the request and never answers: no status line, no headers, until the host stops.
            self.stopping.wait(120)
            self.close_connection = True
        elif path == "/slow.xhtm":
            # "?ms=N&doc=noup": the answer's headers only after N ms, then that document (else the newer one).
            query = dict(part.split("=", 1) for part in self.path.split("?", 1)[1].split("&"))
            if not self.stopping.wait(int(query["ms"]) / 1000):
                self._answer(200, NOT_NEWER_DOCUMENT if query.get("doc") == "noup" else NEWER_DOCUMENT)
        else:
            self._answer(404, NOT_FOUND_PAGE, [("Content-Type", "text/html")])

    def _answer(self, status, body, headers=(), announced=None):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body) if announced is None else announced))
        self.end_headers()
        try:
            for start in range(0, len(body), 65536):
                self.wfile.write(body[start:start + 65536])
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client stopped reading, as it should for oversized answers

    def _trickle(self, body):
        """One byte every 100 ms: each read returns quickly, the whole takes far longer than any deadline."""
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            for start in range(len(body)):
                self.wfile.write(body[start:start + 1])
                self.wfile.flush()
                time.sleep(0.1)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client gave up, as it should

    def _log_request(self):
        entry = {
            "path": self.path,
            "user_agent": self.headers.get("User-Agent", ""),
            "headers": [[name, value] for name, value in self.headers.items()],
        }
        with self.log_lock, open(self.log_path, "a", encoding="utf-8") as log:
            log.write(json.dumps(entry) + "\n")

    def log_message(self, format, *args):
        pass  # the JSON log is the record; keep the test output clean


def unix_to_wine_path(path):
    return "Z:" + str(path).replace("/", "\\")


@contextlib.contextmanager
def _update_host(env, scratch):
    log_path = Path(scratch) / "http_requests.log"
    log_path.touch()
    stopping = threading.Event()
    handler = type("UpdateHost", (_UpdateHost,), {"log_path": log_path, "stopping": stopping})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.daemon_threads = True
    # A port that is bound but never listens: connections to it are refused, and nobody else can take it.
    refusing = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    refusing.bind(("127.0.0.1", 0))
    thread = threading.Thread(target=server.serve_forever, name="update-host", daemon=True)
    thread.start()
    env["GLIMRA_HTTP_SERVER"] = "http://127.0.0.1:%d" % server.server_address[1]
    env["GLIMRA_HTTP_REFUSED"] = "http://127.0.0.1:%d" % refusing.getsockname()[1]
    env["GLIMRA_HTTP_LOG"] = unix_to_wine_path(log_path)
    try:
        yield
    finally:
        stopping.set()
        server.shutdown()
        server.server_close()
        refusing.close()
        thread.join(timeout=10)


@contextlib.contextmanager
def started(env, scratch):
    with contextlib.ExitStack() as stack:
        stack.enter_context(_update_host(env, scratch))
        yield stack
