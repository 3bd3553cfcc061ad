#!/usr/bin/env bash
# make_signed_configs.sh SIGN_CONFIG OUT_DIR: P-256 key pairs a and b (points as 64 raw
# bytes in a.xy, b.xy), P-384, secp256k1 and RSA public keys, and configurations signed
# with SIGN_CONFIG: lf.ini and crlf.ini by a, by-b.ini by b, and big.ini (exactly 1 MiB)
# and big-plus.ini (one byte more) by a.
set -euo pipefail
sign=$(realpath "$1") out=$2
mkdir -p "$out"
cd "$out"
for k in a b; do
  openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out $k.pem
  openssl pkey -in $k.pem -pubout -out $k.pub.pem
  openssl pkey -pubin -in $k.pub.pem -outform DER | tail -c 64 >$k.xy
done
openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-384 2>/dev/null | openssl pkey -pubout -out p384.pub.pem
openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:secp256k1 | openssl pkey -pubout -out k256.pub.pem
openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 2>/dev/null | openssl pkey -pubout -out rsa.pub.pem

config='[norvelassist]\nversione=3.0.0\nserie=2026120901\n;firma=stale\n[1]\nnome=Assistenza più rapida\neseguibile=NorvelHelpdesk.exe'
printf "$config" >lf.ini
printf "$config" | sed '$!s/$/\r/' >crlf.ini  # the last line without a line break
printf "$config\n" >by-b.ini
"$sign" a.pem lf.ini >/dev/null
"$sign" a.pem crlf.ini >/dev/null
"$sign" b.pem by-b.ini >/dev/null

# A signature line is 104 bytes when the DER signature is 70 to 72 bytes; a shorter
# one (about one in a hundred) is signed again.
sized() {  # sized FILE SIZE
  for _ in 1 2 3 4 5 6 7 8; do
    { printf '[norvelassist]\nversione=3.0.0\n;'; head -c $(($2 - 136)) /dev/zero | tr '\0' x; printf '\n'; } >"$1"
    "$sign" a.pem "$1" >/dev/null
    [ "$(stat -c %s "$1")" -eq "$2" ] && return 0
  done
  echo "make_signed_configs: no signature of the usual size for $1" >&2; exit 1
}
sized big.ini 1048576
sized big-plus.ini 1048577
