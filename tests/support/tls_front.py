#!/usr/bin/env python3
"""A TLS front for the tests' loopback HTTP server.

Usage: tls_front.py FOLDER TARGET_PORT

Makes two self-signed certificates for the host name "localhost" with openssl in
FOLDER ("trusted" and "untrusted", each as .pem, .key and .der), then listens on two
free ports of 127.0.0.1, one with each certificate, and passes every connection's
decrypted bytes to 127.0.0.1:TARGET_PORT and back. When both fronts listen it writes
FOLDER/ports ("TRUSTED UNTRUSTED"). It ends, removing FOLDER, when FOLDER/stop
appears or after two minutes. It lets go of the output it inherited at once, so a
test runner reading the test program's output never waits for it.
"""
import os
import shutil
import socket
import ssl
import subprocess
import sys
import threading
import time

LIFETIME_S = 120


def make_certificate(folder, name):
    base = os.path.join(folder, name)
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost",
                    "-addext", "basicConstraints=critical,CA:TRUE",
                    "-keyout", base + ".key", "-out", base + ".pem"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["openssl", "x509", "-in", base + ".pem", "-outform", "DER", "-out", base + ".der"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(base + ".pem", base + ".key")
    return context


def pump(source, sink):
    try:
        while True:
            data = source.recv(65536)
            if not data:
                break
            sink.sendall(data)
    except OSError:
        pass
    for s in (sink, source):
        try:
            s.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


def serve_connection(client, context, target_port):
    try:
        client.settimeout(30)
        secure = context.wrap_socket(client, server_side=True)
        secure.settimeout(None)
        upstream = socket.create_connection(("127.0.0.1", target_port))
    except (OSError, ssl.SSLError):
        client.close()
        return
    back = threading.Thread(target=pump, args=(upstream, secure), daemon=True)
    back.start()
    pump(secure, upstream)
    back.join(30)
    secure.close()
    upstream.close()


def accept_loop(listener, context, target_port):
    while True:
        try:
            client, _ = listener.accept()
        except OSError:
            return
        threading.Thread(target=serve_connection, args=(client, context, target_port), daemon=True).start()


def main():
    folder, target_port = sys.argv[1], int(sys.argv[2])
    devnull = os.open(os.devnull, os.O_RDWR)
    for fd in (0, 1, 2):
        os.dup2(devnull, fd)
    os.makedirs(folder, exist_ok=True)
    try:
        ports = []
        for name in ("trusted", "untrusted"):
            context = make_certificate(folder, name)
            listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            listener.bind(("127.0.0.1", 0))
            listener.listen(16)
            ports.append(listener.getsockname()[1])
            threading.Thread(target=accept_loop, args=(listener, context, target_port), daemon=True).start()
        with open(os.path.join(folder, "ports.part"), "w") as f:
            f.write("%d %d\n" % tuple(ports))
        os.replace(os.path.join(folder, "ports.part"), os.path.join(folder, "ports"))
        deadline = time.monotonic() + LIFETIME_S
        while time.monotonic() < deadline and not os.path.exists(os.path.join(folder, "stop")):
            time.sleep(0.1)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
