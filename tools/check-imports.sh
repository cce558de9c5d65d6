#!/usr/bin/env bash
# Holds a built jukettzrv.exe to packaging/windows-imports.txt: every function
# it imports, and every one it loads when first needed (SystemFunction in
# platform/win32/), must be on the list, and none may need a newer Windows
# than the list says the program supports; the PE header must name that
# Windows too.
# Usage: tools/check-imports.sh PROGRAM.exe
set -euo pipefail

program="$1"
root="$(cd "$(dirname "$0")/.." && pwd)"
list="$root/packaging/windows-imports.txt"
fail() { echo "check-imports: $program: $*" >&2; exit 1; }

case "$(x86_64-w64-mingw32-objdump -f "$program")" in
  *pei-x86-64*) objdump=x86_64-w64-mingw32-objdump ;;
  *pei-i386*) objdump=i686-w64-mingw32-objdump ;;
  *) fail "not a Windows program" ;;
esac

# Windows by name, as the list writes it, and its NT version.
nt_version() {
  case "$1" in
    2000) echo 5.0 ;; XP) echo 5.1 ;; Vista) echo 6.0 ;; 7) echo 6.1 ;;
    8) echo 6.2 ;; 8.1) echo 6.3 ;; 10) echo 10.0 ;; *) return 1 ;;
  esac
}
newer() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a + 0 > b + 0) }'; }

supported="$(awk '$1 == "supports" { print $2 }' "$list")"
supported_nt="$(nt_version "$supported")" || fail "the list supports an unknown Windows '$supported'"

# The header: the oldest Windows the loader is told the program runs on.
header="$("$objdump" -p "$program")"
field() { awk -v name="$1" '$1 == name { print $2 }' <<<"$header"; }
for pair in OSystem Subsystem; do
  got="$(field "Major${pair}Version").$(field "Minor${pair}Version")"
  [ "$got" = "$supported_nt" ] || fail "its header says $pair version $got, not $supported_nt (Windows $supported)"
done

# "LIBRARY FUNCTION" for each import, the library in lower case as Windows
# takes it; then each function loaded when first needed, named in the source
# as its library and its name side by side.
imported() {
  awk '/DLL Name:/ { dll = tolower($3); next }
       dll && /^\t[0-9a-f]+\t/ { print dll, $NF }
       /^$/ { dll = "" }' <<<"$header"
  grep -rhoE 'L"[A-Za-z0-9_]+\.dll", *"[A-Za-z0-9_]+"' "$root/platform/win32" |
    sed -E 's/L"([^"]+)", *"([^"]+)"/\1 \2/' | awk '{ print tolower($1), $2 }'
}

listed="$(awk '!/^#/ && NF >= 3 && $1 != "supports" { print tolower($1), $2, $3 }' "$list")"

problems=0
while read -r dll function; do
  windows="$(awk -v d="$dll" -v f="$function" '$1 == d && $2 == f { print $3; exit }' <<<"$listed")"
  if [ -z "$windows" ]; then
    echo "check-imports: $program: $dll $function is not on $list" >&2
    problems=$((problems + 1))
  elif ! nt="$(nt_version "$windows")"; then
    echo "check-imports: $list: $dll $function needs an unknown Windows '$windows'" >&2
    problems=$((problems + 1))
  elif newer "$nt" "$supported_nt"; then
    echo "check-imports: $program: $dll $function needs Windows $windows, newer than $supported" >&2
    problems=$((problems + 1))
  fi
done < <(imported | sort -u)
[ "$problems" -eq 0 ] || exit 1
echo "$program: imports fit Windows $supported"
