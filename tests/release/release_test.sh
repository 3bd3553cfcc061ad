#!/usr/bin/env bash
# release_test.sh SOURCE_DIR SCRATCH_DIR refusals|builds: scripts/release as the company
# runs it, in clones of SOURCE_DIR's commit (with its uncommitted changes to tracked
# files), with a test root and publishers made here.
#   refusals  a missing tool, a PFX without its password file, a wrong password and a
#             certificate without the code-signing usage each stop the script with
#             their message before anything is built or written (seconds)
#   builds    a signed release of both programs in one clone, whose files are checked
#             (SHA256SUMS, the update lines, the signatures against the test root, the
#             processors, the debug information split off), and an unsigned release of
#             the x64 program in a clone in another folder, which must give the same
#             bytes as the first clone's unsigned x64 program (three program builds)
set -euo pipefail
export LC_ALL=C
source_dir=$(realpath "$1")
scratch=$2
mode=$3
rm -rf "$scratch"
mkdir -p "$scratch"
scratch=$(realpath "$scratch")
failures=0
check() {  # check DESCRIPTION COMMAND...: reports and counts a failed check
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what" >&2; failures=$((failures + 1)); fi
}

# The clones: the commit plus the working tree's changes to tracked files.
revision=$(git -C "$source_dir" stash create)
revision=${revision:-HEAD}
first=$scratch/a
second=$scratch/clone-in-a-longer-folder-path/b
clones=("$first")
[ "$mode" = refusals ] || clones+=("$second")
for clone in "${clones[@]}"; do
  git clone -q --shared --no-checkout "$source_dir" "$clone"
  git -C "$clone" checkout -q --detach "$revision"
done

# A test root, a code-signing publisher and a TLS server's certificate (no codeSigning),
# each publisher in a PFX with its chain and the password of `password`.
certs=$scratch/certs
mkdir -p "$certs"
signer_name="Norvel Sistemi S.r.l. (prova)"
(
  cd "$certs"
  printf 'passphrase with blanks\n' >password
  printf 'another passphrase\n' >wrong-password
  openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 30 -subj "/CN=Release Test Root" -keyout root.key \
    -out root.pem -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign" 2>/dev/null
  leaf() {  # leaf NAME SUBJECT EXTENDED_KEY_USAGE
    printf 'basicConstraints=critical,CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' "$3" >"$1.cnf"
    openssl req -newkey rsa:2048 -nodes -subj "$2" -keyout "$1.key" -out "$1.csr" 2>/dev/null
    openssl x509 -req -in "$1.csr" -CA root.pem -CAkey root.key -CAcreateserial -days 30 -sha256 \
      -extfile "$1.cnf" -out "$1.pem" 2>/dev/null
    openssl pkcs12 -export -inkey "$1.key" -in "$1.pem" -certfile root.pem -passout file:password -out "$1.pfx"
  }
  leaf publisher "/O=Norvel Sistemi/CN=$signer_name" codeSigning
  leaf server "/CN=www.example.com" serverAuth
)

if [ "$mode" = refusals ]; then
  # A PATH with every program of this one but `tool`.
  path_without() {
    local dir=$scratch/path-without-$1 entry
    mkdir -p "$dir"
    IFS=':' read -r -a entries <<<"$PATH"
    for entry in "${entries[@]}"; do
      [ -d "$entry" ] && ln -s "$entry"/* "$dir"/ 2>/dev/null || true
    done
    rm -f "$dir/$1"
    echo "$dir"
  }

  # Each refusal: its arguments, the program hidden from PATH ("-" for none), the words
  # of its message.
  refusals=(
    "|i686-w64-mingw32-g++-posix|missing tool: i686-w64-mingw32-g++-posix"
    "--pfx $certs/publisher.pfx --password-file $certs/password|osslsigncode|missing tool: osslsigncode"
    "--pfx $certs/publisher.pfx|-|--pfx needs --password-file"
    "--pfx $certs/publisher.pfx --password-file $certs/wrong-password|-|wrong password"
    "--pfx $certs/server.pfx --password-file $certs/password|-|not for code signing"
  )
  for refusal in "${refusals[@]}"; do
    IFS='|' read -r arguments hidden message <<<"$refusal"
    path=$PATH
    [ "$hidden" = - ] || path=$(path_without "$hidden")
    read -r -a argv <<<"$arguments"
    status=0
    (cd "$first" && PATH=$path scripts/release "${argv[@]}" --out "$scratch/refused") >"$scratch/refusal.out" 2>&1 ||
      status=$?
    check "refused ($message)" test "$status" -ne 0
    check "the refusal says \"$message\"" grep -qF -- "$message" "$scratch/refusal.out"
    check "nothing built or written before \"$message\"" \
      test ! -e "$first/build-release-x64" -a ! -e "$first/build-release-x86" -a ! -e "$scratch/refused"
  done
fi

# The checks of one published program: the processor of its PE header and of its
# manifest, no debug sections, the .debug file named in .gnu_debuglink beside the build's
# program.
check_program() {  # check_program FILE BUILD_DIR FORMAT MANIFEST_ARCH
  local file=$1 build=$2
  check "$file is $3" grep -q "file format $3\$" <(x86_64-w64-mingw32-objdump -f "$file")
  check "$file's manifest says $4" \
    grep -qaF "name=\"NorvelSistemi.NorvelAssist\" version=\"3.0.0.0\" processorArchitecture=\"$4\"" "$file"
  x86_64-w64-mingw32-objdump -h "$file" >"$scratch/sections"
  check "$file has no debug sections" bash -c '! grep -q "\.debug_" "$0"' "$scratch/sections"
  x86_64-w64-mingw32-objcopy -O binary --only-section=.gnu_debuglink "$file" "$scratch/debuglink"
  check "$file names its debug file" grep -qa "NorvelAssist.exe.debug" "$scratch/debuglink"
  check "$build/bin/NorvelAssist.exe.debug has the debug information" \
    grep -q "\.debug_info" <(x86_64-w64-mingw32-objdump -h "$build/bin/NorvelAssist.exe.debug")
}

# The version the launcher compares "versione" with: the first three numbers of the
# project's version.
version=$(sed -n 's/^project(NorvelAssist VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' "$source_dir/CMakeLists.txt")
sha() { sha256sum "$1" | cut -c1-64; }
# The row of the final table for FILE in DIST: name, processor, bytes, SHA-256, signed.
table_has() {  # table_has OUTPUT DIST FILE ARCH SIGNED
  awk -v f="$3" -v a="$4" -v n="$(stat -c %s "$2/$3")" -v h="$(sha "$2/$3")" -v s="$5" \
    '$1 == f && $2 == a && $3 == n && $4 == h && substr($0, index($0, h) + 66) == s { found = 1 }
     END { exit !found }' "$1"
}

if [ "$mode" = builds ]; then
  # The signed release of both programs.
  start=$SECONDS
  check "the signed release succeeds" bash -c 'cd "$0" && scripts/release --pfx "$1" --password-file "$2" \
    --out dist >"$3" 2>&1' "$first" "$certs/publisher.pfx" "$certs/password" "$scratch/signed.out"
  echo "signed release of both programs: $((SECONDS - start)) s"
  dist=$first/dist
  check "SHA256SUMS verifies both programs" \
    bash -c 'cd "$0" && sha256sum --quiet -c SHA256SUMS && [ "$(cut -c67- SHA256SUMS | tr "\n" " ")" = "NorvelAssist.exe NorvelAssist-x86.exe " ]' "$dist"
  printf '[norvelassist]\nversione=%s\neseguibile=NorvelAssist.exe\nsha256=%s\neseguibile_x86=NorvelAssist-x86.exe\nsha256_x86=%s\nfirmatario=%s\n' \
    "$version" "$(sha "$dist/NorvelAssist.exe")" "$(sha "$dist/NorvelAssist-x86.exe")" "$signer_name" >"$scratch/expected.ini"
  check "the update lines offer both signed programs" cmp "$scratch/expected.ini" "$dist/norvelassist-update.ini"
  for file in NorvelAssist.exe:x64 NorvelAssist-x86.exe:x86; do
    check "${file%:*}'s signature verifies against the test root" \
      osslsigncode verify -CAfile "$certs/root.pem" -in "$dist/${file%:*}" >/dev/null
    check "the table shows the signed ${file%:*}" table_has "$scratch/signed.out" "$dist" "${file%:*}" "${file#*:}" \
      "yes ($signer_name)"
  done
  check_program "$dist/NorvelAssist.exe" "$first/build-release-x64" pei-x86-64 amd64
  check_program "$dist/NorvelAssist-x86.exe" "$first/build-release-x86" pei-i386 x86

  # The unsigned x64 program from the other folder.
  start=$SECONDS
  check "the unsigned release succeeds" bash -c 'cd "$0" && scripts/release --only x64 >"$1" 2>&1' "$second" \
    "$scratch/unsigned.out"
  echo "unsigned release of the x64 program: $((SECONDS - start)) s"
  check "the x64 program is the same from both folders" \
    cmp "$first/build-release-x64/bin/NorvelAssist.exe" "$second/dist/NorvelAssist.exe"
  check "no folder path in the program" \
    bash -c '! grep -qaF -e "$0" -e "$1" "$2"' "$first" "$second" "$second/dist/NorvelAssist.exe"
  printf '[norvelassist]\nversione=%s\neseguibile=NorvelAssist.exe\nsha256=%s\n' \
    "$version" "$(sha "$second/dist/NorvelAssist.exe")" >"$scratch/expected.ini"
  check "the update lines offer the unsigned program" cmp "$scratch/expected.ini" "$second/dist/norvelassist-update.ini"
fi

[ "$failures" -eq 0 ] || { echo "$failures checks failed; outputs in $scratch" >&2; exit 1; }
rm -rf "$scratch"
