"""The maker's web host, played on 127.0.0.1 by a small threaded HTTP server."""
import http.server
import threading

TEST_HOST_PORT = 38457  # the tests' Windows build points the program's addresses here
UPDATE_PATH = "/checking_update_v1_00.xhtm"


class WebHost:
    def __init__(self, port=TEST_HOST_PORT):
        self.port = port
        self.document = b""
        self.silent = False  # the update document's request is taken but never answered, not even a header
        self.requests = []
        self.server = None
        self.stopping = threading.Event()

    def start(self):
        host = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                host.requests.append({"path": self.path, "user_agent": self.headers.get("User-Agent", "")})
                if self.path == UPDATE_PATH and host.silent:
                    host.stopping.wait(120)
                    self.close_connection = True
                    return
                if self.path == UPDATE_PATH:
                    body, status = host.document, 200
                else:
                    body, status = b"<html><body>Not here</body></html>", 404
                self.send_response(status)
                self.send_header("Content-Type", "application/xhtml+xml")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        http.server.ThreadingHTTPServer.allow_reuse_address = True
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", self.port), Handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        return self

    def stop(self):
        self.stopping.set()
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.server = None

    @staticmethod
    def update_document(*items) -> bytes:
        """items: (title, version, data) triples."""
        body = "".join(f"<item><title>{t}</title><version>{v}</version><data>{d}</data></item>" for t, v, d in items)
        return f"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<renovation>{body}</renovation>\r\n".encode("utf-8")
