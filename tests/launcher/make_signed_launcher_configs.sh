#!/usr/bin/env bash
# make_signed_launcher_configs.sh SIGN_CONFIG KEYS_DIR OUT_DIR HELPDESK_EXE: the
# launcher's signed configurations, signed with the keys a and b of KEYS_DIR:
#   good.ini   serie 2026120902, by a: tool 1 pinned to HELPDESK_EXE, tool 2 and the
#              alternative of section 3 with neither pin nor publisher
#   older.ini  serie 2026120901, by a, its tool 1 named "Vecchio"
#   by-b.ini   good.ini's text signed by b
set -euo pipefail
sign=$(realpath "$1") keys=$(realpath "$2") out=$3 helpdesk=$4
mkdir -p "$out"
pin=$(sha256sum "$helpdesk" | cut -c1-64)
config() {  # config SERIE NAME1
  printf '[norvelassist]\nversione=3.0.0\nserie=%s\n[1]\nnome=%s\neseguibile=NorvelHelpdesk.exe\nversione=5.2.0.1\nsha256=%s\n[2]\nnome=Senza impronta\neseguibile=NorvelSOS.exe\nversione=5.2.0.1\n[3]\nnome=Alternativa\neseguibile=NorvelRapido.exe\n' "$1" "$2" "$pin"
}
config 2026120902 "Helpdesk firmato" >"$out/good.ini"
config 2026120901 "Vecchio" >"$out/older.ini"
config 2026120902 "Helpdesk firmato" >"$out/by-b.ini"
"$sign" "$keys/a.pem" "$out/good.ini" >/dev/null
"$sign" "$keys/a.pem" "$out/older.ini" >/dev/null
"$sign" "$keys/b.pem" "$out/by-b.ini" >/dev/null
