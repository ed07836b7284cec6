"""Servers the Servers window's tests talk to, on loopback, with certificates made here.

  servers.py certs DIR                       a CA and certificates (openssl) in DIR
  servers.py MODE PORT DIR CERT              a server until killed; CERT names DIR/CERT.pem/.key

MODE: starttls (STARTTLS required, AUTH after it), tls (TLS from the start, AUTH), tls-login
(the same offering AUTH LOGIN only), plain (no TLS, AUTH offered: every credential it gets is
written to DIR/credentials-PORT), https (serves DIR; /to-http redirects to http, /slow trickles).
A delivered mail goes to DIR/mail-PORT: sender, recipients, then the message.
"""
import asyncio
import http.server
import os
import ssl
import subprocess
import sys
import time


def certs(folder):
    def run(*args):
        subprocess.run(["openssl", *args], cwd=folder, check=True, capture_output=True)
    ec = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]
    run("req", "-x509", *ec, "-keyout", "ca.key", "-out", "ca.pem", "-days", "2", "-subj", "/CN=tolva test CA")
    run("req", *ec, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1")
    with open(os.path.join(folder, "san.ext"), "w") as ext:
        ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n")
    run("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
        "-out", "server.pem", "-days", "2", "-extfile", "san.ext")
    for name in ("self", "self2"):  # signed by nobody the program trusts
        run("req", "-x509", *ec, "-keyout", name + ".key", "-out", name + ".pem", "-days", "2",
            "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1")


def context(folder, cert):
    tls = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    tls.load_cert_chain(os.path.join(folder, cert + ".pem"), os.path.join(folder, cert + ".key"))
    return tls


def smtp(mode, port, folder, cert):
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import AuthResult, LoginPassword

    class Handler:
        async def handle_DATA(self, server, session, envelope):
            with open(os.path.join(folder, "mail-%d" % port), "wb") as out:
                out.write(("%s\n%s\n" % (envelope.mail_from, ",".join(envelope.rcpt_tos))).encode())
                out.write(envelope.original_content)
            return "250 OK"

    def authenticator(server, session, envelope, mechanism, data):
        if isinstance(data, LoginPassword):
            with open(os.path.join(folder, "credentials-%d" % port), "a") as out:
                out.write("%s %s %s\n" % (mechanism, data.login.decode(), data.password.decode()))
            if data.login == b"tolva" and data.password == b"secret":
                return AuthResult(success=True)
        return AuthResult(success=False, handled=False)

    options = dict(hostname="127.0.0.1", port=port, authenticator=authenticator)
    if mode == "starttls":
        options.update(tls_context=context(folder, cert), require_starttls=True, auth_required=True)
    elif mode in ("tls", "tls-login"):
        options.update(ssl_context=context(folder, cert), auth_required=True, auth_require_tls=False)
        if mode == "tls-login":
            options.update(auth_exclude_mechanism=["PLAIN"])
    else:
        options.update(auth_require_tls=False)
    controller = Controller(Handler(), **options)
    controller.start()
    while True:
        time.sleep(3600)


def https(port, folder, cert):
    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=folder, **kwargs)

        def do_GET(self):
            if self.path == "/to-http":
                self.send_response(302)
                self.send_header("Location", "http://127.0.0.1:%d/update.ini" % port)
                self.end_headers()
            elif self.path == "/slow":
                self.send_response(200)
                self.send_header("Content-Length", "100000")
                self.end_headers()
                for _ in range(500):
                    self.wfile.write(b"ID=SLOW\r\n")
                    self.wfile.flush()
                    time.sleep(0.1)
            else:
                super().do_GET()

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.socket = context(folder, cert).wrap_socket(server.socket, server_side=True)
    server.serve_forever()


if __name__ == "__main__":
    if sys.argv[1] == "certs":
        certs(sys.argv[2])
    elif sys.argv[1] == "https":
        https(int(sys.argv[2]), sys.argv[3], sys.argv[4])
    else:
        smtp(sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4])
