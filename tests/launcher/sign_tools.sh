#!/bin/sh
# sign_tools.sh TOOL.exe OUT_DIR: test roots and publishers made with openssl, TOOL signed
# with osslsigncode (right/other/stranger.exe), altered after signing, or left unsigned.
set -eu
tool=$(realpath "$1") out=$2
mkdir -p "$out"
cd "$out"
printf 'basicConstraints=critical,CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >leaf.cnf
root() {  # root NAME SUBJECT
  openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 3650 -subj "/CN=$2" -keyout "$1.key" -out "$1.pem" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
}
signed() {  # signed OUT ROOT SUBJECT
  openssl req -newkey rsa:2048 -nodes -subj "/CN=$3" -keyout "$1.key" -out "$1.csr" 2>/dev/null
  openssl x509 -req -in "$1.csr" -CA "$2.pem" -CAkey "$2.key" -CAcreateserial -days 3650 -sha256 \
    -extfile leaf.cnf -out "$1.pem" 2>/dev/null
  cat "$1.pem" "$2.pem" >"$1.chain.pem"
  rm -f "$1.exe"
  osslsigncode sign -certs "$1.chain.pem" -key "$1.key" -h sha256 -n NorvelHelpdesk -in "$tool" -out "$1.exe" >/dev/null
}
root trusted "NorvelAssist Test Root"
root untrusted "NorvelAssist Test Root"
openssl x509 -in trusted.pem -outform DER -out trusted-root.der
signed right trusted "NorvelAssist Test Publisher"
signed other trusted "Other Publisher"
signed stranger untrusted "NorvelAssist Test Publisher"
cp right.exe altered.exe
printf '\377' | dd of=altered.exe bs=1 seek=1100 conv=notrunc 2>/dev/null
cp "$tool" unsigned.exe
