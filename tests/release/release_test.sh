#!/usr/bin/env bash
# release_test.sh SOURCE_DIR SCRATCH_DIR refusals|builds: scripts/release in clones of SOURCE_DIR's
# commit (and its changes to tracked files). refusals: each stops it before any build, with its
# message. builds: a signed release of both programs, checked; the x64 program again from another folder.
set -euo pipefail
export LC_ALL=C
source_dir=$(realpath "$1") scratch=$2 mode=$3
rm -rf "$scratch" && mkdir -p "$scratch/certs" && scratch=$(realpath "$scratch")
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1" >&2; failures=$((failures + 1)); fi
}

revision=$(git -C "$source_dir" stash create) && revision=${revision:-HEAD}
first=$scratch/a second=$scratch/clone-in-a-longer-folder-path/b
for clone in "$first" "$second"; do
  git clone -q --shared --no-checkout "$source_dir" "$clone" && git -C "$clone" checkout -q --detach "$revision"
done

# A root; a code-signing publisher and a TLS server (no codeSigning) in PFXs with it.
certs=$scratch/certs signer="Norvel Sistemi S.r.l. (prova)"
(
  cd "$certs"
  printf 'passphrase with blanks\n' >password && printf 'another\n' >wrong-password
  openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=Release Test Root" -keyout root.key -out root.pem \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign" 2>/dev/null
  for leaf in "publisher|/O=Norvel Sistemi/CN=$signer|codeSigning" "server|/CN=www.example.com|serverAuth"; do
    IFS='|' read -r name subject usage <<<"$leaf"
    printf 'basicConstraints=CA:FALSE\nkeyUsage=digitalSignature\nextendedKeyUsage=%s\n' "$usage" >"$name.cnf"
    openssl req -newkey rsa:2048 -nodes -subj "$subject" -keyout "$name.key" -out "$name.csr" 2>/dev/null
    openssl x509 -req -in "$name.csr" -CA root.pem -CAkey root.key -CAcreateserial -days 30 -extfile "$name.cnf" \
      -out "$name.pem" 2>/dev/null
    openssl pkcs12 -export -inkey "$name.key" -in "$name.pem" -certfile root.pem -passout file:password -out "$name.pfx"
  done
)

if [ "$mode" = refusals ]; then
  # Arguments | a program hidden from PATH | the message.
  for refusal in "|i686-w64-mingw32-g++-posix|missing tool: i686-w64-mingw32-g++-posix" \
    "--pfx $certs/publisher.pfx --password-file $certs/password|osslsigncode|missing tool: osslsigncode" \
    "--pfx $certs/publisher.pfx||--pfx needs --password-file" \
    "--pfx $certs/publisher.pfx --password-file $certs/wrong-password||wrong password" \
    "--pfx $certs/server.pfx --password-file $certs/password||not for code signing"; do
    IFS='|' read -r arguments hidden message <<<"$refusal"
    path=$PATH
    if [ -n "$hidden" ]; then  # every program of PATH but that one
      path=$scratch/without-$hidden && mkdir -p "$path"
      for dir in ${PATH//:/ }; do ln -s "$dir"/* "$path"/ 2>/dev/null || true; done
      rm -f "$path/$hidden"
    fi
    status=0
    (cd "$first" && PATH=$path scripts/release $arguments --out "$scratch/out") >"$scratch/said" 2>&1 || status=$?
    check "refused before building: $message" test "$status" -ne 0 -a ! -e "$first/build-release-x64" \
      -a ! -e "$first/build-release-x86" -a ! -e "$scratch/out"
    check "the refusal says: $message" grep -qF -- "$message" "$scratch/said"
  done
fi

sha() { sha256sum "$1" | cut -c1-64; }
# A published program: processor of header and manifest, no debug sections, the build's .debug file
# named in .gnu_debuglink, the signature against the test root, its table row.
check_program() {  # check_program DIST FILE BUILD_DIR FORMAT MANIFEST_ARCH ARCH SIGNED OUTPUT
  local file=$1/$2
  check "$2 is $4" grep -q "file format $4\$" <(x86_64-w64-mingw32-objdump -f "$file")
  check "$2's manifest says $5" grep -qaF "version=\"3.0.0.0\" processorArchitecture=\"$5\"" "$file"
  check "$2 has no debug sections" bash -c '! x86_64-w64-mingw32-objdump -h "$0" | grep -q "\.debug_"' "$file"
  x86_64-w64-mingw32-objcopy --dump-section .gnu_debuglink="$scratch/link" "$file" "$scratch/discard"
  check "$2 links NorvelAssist.exe.debug and its CRC-32" python3 -c 'import sys, zlib
link, debug = (open(name, "rb").read() for name in sys.argv[1:])
sys.exit(link != b"NorvelAssist.exe.debug\0\0" + zlib.crc32(debug).to_bytes(4, "little"))' "$scratch/link" \
    "$3/bin/NorvelAssist.exe.debug"
  check "$3/bin/NorvelAssist.exe.debug has the debug information" \
    grep -q "\.debug_info" <(x86_64-w64-mingw32-objdump -h "$3/bin/NorvelAssist.exe.debug")
  [ "$7" = no ] || check "$2's signature verifies" bash -c 'osslsigncode verify -CAfile "$0" -in "$1" >/dev/null' \
    "$certs/root.pem" "$file"
  check "the table's row of $2" awk -v f="$2" -v a="$6" -v n="$(stat -c %s "$file")" -v h="$(sha "$file")" -v s="$7" \
    '$1 == f && $2 == a && $3 == n && $4 == h && substr($0, index($0, h) + 66) == s { found = 1 }
     END { exit !found }' "$8"
}

if [ "$mode" = builds ]; then
  # "versione" is what the launcher compares: the first three numbers of the project's version.
  version=$(sed -n 's/^project(NorvelAssist VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' "$source_dir/CMakeLists.txt")
  dist=$first/dist start=$SECONDS
  check "the signed release" bash -c 'cd "$0" && scripts/release --pfx "$1" --password-file "$2" --out dist >"$3" 2>&1'\
    "$first" "$certs/publisher.pfx" "$certs/password" "$scratch/signed"
  echo "signed release of both programs: $((SECONDS - start)) s"
  check "SHA256SUMS of both programs" bash -c 'cd "$0" && sha256sum --quiet -c SHA256SUMS &&
    [ "$(cut -c67- SHA256SUMS | tr "\n" " ")" = "NorvelAssist.exe NorvelAssist-x86.exe " ]' "$dist"
  printf '[norvelassist]\nversione=%s\neseguibile=NorvelAssist.exe\nsha256=%s\neseguibile_x86=NorvelAssist-x86.exe
sha256_x86=%s\nfirmatario=%s\n' "$version" "$(sha "$dist/NorvelAssist.exe")" "$(sha "$dist/NorvelAssist-x86.exe")" \
    "$signer" >"$scratch/expected.ini"
  check "the update lines" cmp "$scratch/expected.ini" "$dist/norvelassist-update.ini"
  check_program "$dist" NorvelAssist.exe "$first/build-release-x64" pei-x86-64 amd64 x64 "yes ($signer)" \
    "$scratch/signed"
  check_program "$dist" NorvelAssist-x86.exe "$first/build-release-x86" pei-i386 x86 x86 "yes ($signer)" \
    "$scratch/signed"

  start=$SECONDS
  check "the unsigned x64 release" bash -c 'cd "$0" && scripts/release --only x64 >"$1" 2>&1' "$second" "$scratch/plain"
  echo "unsigned release of the x64 program: $((SECONDS - start)) s"
  check "the same x64 program from both folders" cmp "$first/build-release-x64/bin/NorvelAssist.exe" \
    "$second/dist/NorvelAssist.exe"
  check "no folder path in it" bash -c '! grep -qaF -e "$0" -e "$1" "$2"' "$first" "$second" \
    "$second/dist/NorvelAssist.exe"
  check "its update lines" cmp <(printf '[norvelassist]\nversione=%s\neseguibile=NorvelAssist.exe\nsha256=%s\n' \
    "$version" \
    "$(sha "$second/dist/NorvelAssist.exe")") "$second/dist/norvelassist-update.ini"
  check_program "$second/dist" NorvelAssist.exe "$second/build-release-x64" pei-x86-64 amd64 x64 no "$scratch/plain"
fi

[ "$failures" -eq 0 ] || { echo "$failures checks failed; outputs in $scratch" >&2; exit 1; }
rm -rf "$scratch"
