#!/usr/bin/env python3
"""A loopback stand-in for the maker's log retrieval web service and its
object-storage bucket, for tests and benchmarks. It checks every request it
receives the way the real services would and records what it saw.

Start: kv_storage_server.py [--port N]; it prints "PORT <n>" on its first line
and ends when its standard input closes (its parent ended, even by a crash).

Web service (JSON answers, {"code": 0, ...} on success):
  POST /auth/token          X-App-Key, X-Client-Type 1, X-Client-Sn, X-Prod-Id,
                            X-Prod-Ver; body grant_type, app_secret
  GET  /whitelist/check     bearer token; client_sign, pid, version, tcid
  POST /whitelist/add       bearer token; client_sign (text), pid, version, tcid (numbers)
  GET  /upload/token        bearer token; pid, version, client_sign
  POST /report              bearer token; the report of an uploaded archive
Bucket:
  PUT  /<bucket>/<key>      signed put-object with callback; the signature is
                            rebuilt from the headers as received
  PUT  /raw/<name>          an unchecked upload (the benchmark's curl baseline)
  POST /callback            the upload callback (also reachable by clients)
Control (tests):
  POST /control             JSON merged into the settings below
  GET  /state               what was recorded
  POST /reset               settings and records back to the start

Settings: "faults": {step: fault} with step one of token, check, add,
credential, upload, report and fault one of "nocode", "badcode", "notjson",
"stall", "500", "redirect"; "whitelisted": bool; "expire_token": bool (every
token answered as expired); "issued_secret": the secret handed to clients
(the bucket verifies with "secret"); "keep_bodies": bool.
"""

import base64
import hashlib
import hmac
import json
import os
import select
import sys
import threading
import time
import uuid
from email.utils import formatdate, parsedate_to_datetime
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, unquote, urlsplit

APP_KEY = "kv-app-key"
APP_SECRET = "kv-app-secret"
ACCESS_KEY_ID = "STS.kvTestKeyId"
ACCESS_KEY_SECRET = "kvTestKeySecret0123456789"
SECURITY_TOKEN = "kvTestSecurityToken/+="
BUCKET = "kv-logs"
MAX_SKEW_S = 15 * 60

DEFAULTS = {"faults": {}, "whitelisted": False, "expire_token": False,
            "issued_secret": ACCESS_KEY_SECRET, "secret": ACCESS_KEY_SECRET}

lock = threading.Lock()
settings = json.loads(json.dumps(DEFAULTS))
records = {"requests": [], "tokens": [], "uploads": [], "callbacks": [], "reports": [], "rejections": []}
whitelist = set()


def reset():
    with lock:
        settings.clear()
        settings.update(json.loads(json.dumps(DEFAULTS)))
        for value in records.values():
            value.clear()
        whitelist.clear()


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    # -- plumbing ---------------------------------------------------------
    def answer(self, status, body=b"", content_type="application/json", headers=None):
        if isinstance(body, (dict, list)):
            body = json.dumps(body).encode()
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in (headers or {}).items():
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def read_body(self):
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length) if length else b""

    def fault(self, step):
        """Answers the scripted fault of `step`; True when one was answered."""
        with lock:
            fault = settings["faults"].get(step)
        if not fault:
            return False
        if fault == "nocode":
            self.answer(200, {"data": {"access_token": "x"}})
        elif fault == "badcode":
            self.answer(200, {"code": 1001, "message": "refused"})
        elif fault == "notjson":
            self.answer(200, b"<html>gateway</html>", "text/html")
        elif fault == "500":
            self.answer(500, {"code": 500, "message": "internal"})
        elif fault == "redirect":
            port = self.server.server_address[1]
            self.answer(302, b"", headers={"Location": f"http://localhost:{port}{self.path}"})
        elif fault == "stall":
            # Headers and half a body, then nothing until the client gives up.
            self.send_response(200)
            self.send_header("Content-Type", "application/json")
            self.send_header("Content-Length", "100")
            self.end_headers()
            self.wfile.write(b'{"code": 0, "data": {')
            self.wfile.flush()
            for _ in range(600):
                time.sleep(0.05)
                if self.client_gone():
                    break
            self.close_connection = True
        return True

    def client_gone(self):
        readable, _, _ = select.select([self.connection], [], [], 0)
        if not readable:
            return False
        try:
            return self.connection.recv(1, 2) == b""  # MSG_PEEK
        except OSError:
            return True

    def bearer_ok(self):
        auth = self.headers.get("Authorization", "")
        with lock:
            expired = settings["expire_token"]
            known = auth.startswith("Bearer ") and auth[7:] in records["tokens"]
        if expired or not known:
            self.answer(401, {"code": 40101, "message": "token expired" if expired else "no such token"})
            return False
        return True

    def record(self, body=b""):
        with lock:
            records["requests"].append({"method": self.command, "path": urlsplit(self.path).path,
                                        "query": {k: v[0] for k, v in parse_qs(urlsplit(self.path).query).items()},
                                        "headers": {k: v for k, v in self.headers.items()},
                                        "body": body.decode("utf-8", "replace") if len(body) < 65536 else None})

    def json_body(self, body):
        try:
            return json.loads(body.decode())
        except (ValueError, UnicodeDecodeError):
            return None

    # -- web service --------------------------------------------------------
    def do_GET(self):
        url = urlsplit(self.path)
        query = {k: v[0] for k, v in parse_qs(url.query).items()}
        if url.path == "/state":
            with lock:
                return self.answer(200, records)
        self.record()
        if url.path == "/whitelist/check":
            if self.fault("check") or not self.bearer_ok():
                return
            missing = [k for k in ("client_sign", "pid", "version", "tcid") if not query.get(k)]
            if missing:
                return self.answer(400, {"code": 400, "message": "missing " + ",".join(missing)})
            with lock:
                listed = settings["whitelisted"] or query["client_sign"] in whitelist
            return self.answer(200, {"code": 0, "data": {}} if listed else {"code": 2001, "message": "not listed"})
        if url.path == "/upload/token":
            if self.fault("credential") or not self.bearer_ok():
                return
            if not all(query.get(k) for k in ("pid", "version", "client_sign")):
                return self.answer(400, {"code": 400, "message": "missing query item"})
            port = self.server.server_address[1]
            with lock:
                secret = settings["issued_secret"]
            return self.answer(200, {"code": 0, "data": {
                "path": f"logs/{query['client_sign']}/",
                "params": {"region": "kv-test-1", "access_key_secret": secret, "access_key_id": ACCESS_KEY_ID,
                           "bucket_name": BUCKET, "security_token": SECURITY_TOKEN,
                           "bucket_endpoint": f"http://127.0.0.1:{port}",
                           "callback_url": f"http://127.0.0.1:{port}/callback", "callback_host": "127.0.0.1",
                           "callback_body": "bucket=${bucket}&object=${object}&size=${size}"
                                            "&file_name=${x:file_name}&region=${x:region}&user_id=${x:user_id}",
                           "callback_body_type": "application/x-www-form-urlencoded"}}})
        self.answer(404, {"code": 404, "message": "no such address"})

    def do_POST(self):
        url = urlsplit(self.path)
        body = self.read_body()
        if url.path == "/control":
            with lock:
                for key, value in json.loads(body or b"{}").items():
                    settings[key] = value
            return self.answer(200, {"code": 0})
        if url.path == "/reset":
            reset()
            return self.answer(200, {"code": 0})
        self.record(body)
        if url.path == "/auth/token":
            if self.fault("token"):
                return
            request = self.json_body(body) or {}
            wanted = {"Content-Type": "application/json", "X-App-Key": APP_KEY, "X-Client-Type": "1"}
            wrong = [k for k, v in wanted.items() if self.headers.get(k) != v]
            wrong += [k for k in ("X-Client-Sn", "X-Prod-Id", "X-Prod-Ver") if not self.headers.get(k)]
            if wrong or request.get("grant_type") != "client_credentials" or request.get("app_secret") != APP_SECRET:
                return self.answer(401, {"code": 40100, "message": "bad client: " + ",".join(wrong)})
            token = uuid.uuid4().hex
            with lock:
                records["tokens"].append(token)
            return self.answer(200, {"code": 0, "data": {"access_token": token, "expires_in": 7200}})
        if url.path == "/whitelist/add":
            if self.fault("add") or not self.bearer_ok():
                return
            request = self.json_body(body) or {}
            if not (isinstance(request.get("client_sign"), str) and isinstance(request.get("pid"), int)
                    and isinstance(request.get("version"), str) and isinstance(request.get("tcid"), int)):
                return self.answer(400, {"code": 400, "message": "bad body"})
            with lock:
                whitelist.add(request["client_sign"])
            return self.answer(200, {"code": 0})
        if url.path == "/report":
            if self.fault("report") or not self.bearer_ok():
                return
            request = self.json_body(body)
            if request is None:
                return self.answer(400, {"code": 400, "message": "not json"})
            with lock:
                records["reports"].append(request)
            return self.answer(200, {"code": 0})
        if url.path == "/callback":
            return self.answer(200, {"Status": "OK"})
        self.answer(404, {"code": 404, "message": "no such address"})

    # -- bucket ---------------------------------------------------------------
    def oss_error(self, status, code, message, extra=""):
        request_id = uuid.uuid4().hex.upper()[:24]
        with lock:
            records["rejections"].append({"code": code, "message": message})
        body = (f"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Error><Code>{code}</Code><Message>{message}</Message>"
                f"<RequestId>{request_id}</RequestId><HostId>127.0.0.1</HostId>{extra}</Error>").encode()
        self.close_connection = True
        self.answer(status, body, "application/xml", {"x-oss-request-id": request_id})

    def do_PUT(self):
        url = urlsplit(self.path)
        length = int(self.headers.get("Content-Length") or -1)
        digest = hashlib.md5()
        remaining = max(length, 0)
        while remaining:
            chunk = self.rfile.read(min(remaining, 1 << 20))
            if not chunk:
                break
            digest.update(chunk)
            remaining -= len(chunk)
        if url.path.startswith("/raw/"):
            return self.answer(200, {"size": length, "md5": digest.hexdigest()})
        self.record()
        if self.fault("upload"):
            return
        if length < 0 or remaining:
            return self.oss_error(400, "IncompleteBody", "the body is shorter than Content-Length")
        parts = url.path.split("/", 2)
        if len(parts) < 3 or parts[1] != BUCKET or not parts[2]:
            return self.oss_error(404, "NoSuchBucket", "The specified bucket does not exist.")
        resource = "/" + parts[1] + "/" + unquote(parts[2])

        # Rebuild the string to sign from what actually arrived.
        oss_headers = {}
        for name in set(self.headers.keys()):
            values = self.headers.get_all(name)
            lower = name.lower().strip()
            if lower.startswith("x-oss-"):
                if len(values) > 1 or lower in oss_headers:
                    return self.oss_error(400, "InvalidArgument", f"header {lower} given more than once")
                oss_headers[lower] = values[0].strip()
        canonical = "".join(f"{k}:{oss_headers[k]}\n" for k in sorted(oss_headers))
        md5 = (self.headers.get("Content-MD5") or "").strip()
        content_type = (self.headers.get("Content-Type") or "").strip()
        date = (self.headers.get("Date") or "").strip()
        to_sign = f"PUT\n{md5}\n{content_type}\n{date}\n{canonical}{resource}"
        with lock:
            secret = settings["secret"]
        auth = self.headers.get("Authorization", "")
        expected = base64.b64encode(hmac.new(secret.encode(), to_sign.encode(), hashlib.sha1).digest()).decode()
        if not auth.startswith("OSS ") or ":" not in auth:
            return self.oss_error(403, "AccessDenied", "Authorization header is not OSS")
        key_id, signature = auth[4:].split(":", 1)
        if key_id != ACCESS_KEY_ID:
            return self.oss_error(403, "InvalidAccessKeyId", "The OSS Access Key Id you provided does not exist.")
        if not hmac.compare_digest(signature, expected):
            return self.oss_error(403, "SignatureDoesNotMatch",
                                  "The request signature we calculated does not match the signature you provided.",
                                  f"<StringToSign>{to_sign}</StringToSign>")
        if oss_headers.get("x-oss-security-token") != SECURITY_TOKEN:
            return self.oss_error(403, "InvalidSecurityToken", "The security token you provided is invalid.")
        try:
            skew = abs(time.time() - parsedate_to_datetime(date).timestamp())
        except (TypeError, ValueError):
            return self.oss_error(403, "AccessDenied", "Date header is invalid")
        if skew > MAX_SKEW_S:
            return self.oss_error(403, "RequestTimeTooSkewed",
                                  "The difference between the request time and the current time is too large.")
        if md5 != base64.b64encode(digest.digest()).decode():
            return self.oss_error(400, "InvalidDigest", "The Content-MD5 you specified was invalid.")
        try:
            callback = json.loads(base64.b64decode(oss_headers.get("x-oss-callback", ""), validate=True))
            variables = json.loads(base64.b64decode(oss_headers.get("x-oss-callback-var", "e30="), validate=True))
        except (ValueError, TypeError):
            return self.oss_error(400, "InvalidArgument", "The callback configuration is not json format.")
        if not callback.get("callbackUrl") or not callback.get("callbackBody"):
            return self.oss_error(400, "InvalidArgument", "The callback is missing callbackUrl or callbackBody.")
        if any(not k.startswith("x:") or k != k.lower() for k in variables):
            return self.oss_error(400, "InvalidArgument", "Callback variables must be lower-case x: names.")
        body = callback["callbackBody"].replace("${bucket}", parts[1]).replace("${object}", parts[2]) \
                                       .replace("${size}", str(length))
        for name, value in variables.items():
            body = body.replace("${" + name + "}", str(value))
        with lock:
            records["uploads"].append({"key": unquote(parts[2]), "size": length, "md5": digest.hexdigest(),
                                       "content_type": content_type})
            records["callbacks"].append({"callback": callback, "variables": variables, "body": body})
        self.answer(200, {"Status": "OK"}, headers={"ETag": '"' + digest.hexdigest().upper() + '"',
                                                     "x-oss-request-id": uuid.uuid4().hex.upper()[:24]})


def main():
    port = 0
    if "--port" in sys.argv:
        port = int(sys.argv[sys.argv.index("--port") + 1])
    server = ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.daemon_threads = True
    print(f"PORT {server.server_address[1]}", flush=True)

    def end_with_parent():
        sys.stdin.buffer.read()
        os._exit(0)

    threading.Thread(target=end_with_parent, daemon=True).start()
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
