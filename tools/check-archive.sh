#!/usr/bin/env bash
# Checks a release archive: one folder named like the archive holding the
# program, its icon and the text, nothing else; a program stripped of its
# symbols that needs no DLL beyond those every Windows has, and no function
# beyond those packaging/windows-imports.txt allows; a text that
# names the version and says where to unpack.
# Usage: tools/check-archive.sh ARCHIVE.zip
set -euo pipefail

archive="$1"
name="$(basename "$archive" .zip)"   # jukettzrv-VERSION-ARCH
version="$(sed -E 's/^jukettzrv-(.*)-win(32|64)$/\1/' <<<"$name")"
fail() { echo "check-archive: $archive: $*" >&2; exit 1; }

[ -f "$archive" ] || fail "missing"
entries="$(cmake -E tar tf "$archive" | grep -v '/$' | sort)"
expected="$(printf '%s\n' "$name/README.txt" "$name/jukett.ico" "$name/jukettzrv.exe" | sort)"
[ "$entries" = "$expected" ] || fail "holds $(tr '\n' ' ' <<<"$entries")"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
archive_path="$(realpath "$archive")"
(cd "$unpacked" && cmake -E tar xf "$archive_path")
program="$unpacked/$name/jukettzrv.exe"

case "$name" in
  *-win64) objdump=x86_64-w64-mingw32-objdump; format="pei-x86-64" ;;
  *-win32) objdump=i686-w64-mingw32-objdump; format="pei-i386" ;;
  *) fail "name does not end in -win64 or -win32" ;;
esac
"$objdump" -f "$program" | grep -q "file format $format" || fail "jukettzrv.exe is not $format"
if "$objdump" -h "$program" | grep -qE ' \.debug_| \.stab'; then fail "jukettzrv.exe keeps its symbols"; fi
# Only libraries every Windows has; the sound and shell ones are loaded when
# first needed, not at start (the lists need the common controls at once).
allowed="COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll USER32.dll"
for dll in $("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p'); do
  grep -qiw -- "$dll" <<<"$allowed" || fail "jukettzrv.exe needs $dll"
done
# Each function it imports, held to the oldest Windows it supports.
"$(dirname "$0")/check-imports.sh" "$program" >/dev/null || fail "its imports do not fit"

text="$unpacked/$name/README.txt"
grep -q "juKett ZRV $version" "$text" || fail "README.txt does not name version $version"
grep -q "jukettzrv.ini" "$text" || fail "README.txt does not say where the settings live"
echo "$archive: ok"
