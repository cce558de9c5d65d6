#!/usr/bin/env bash
# Runs the README's two commands the way a new user would: on a minimal
# Debian 12, as root, in a clean environment with no locale, on a clean
# clone of the current commit.
#
# The minimal system is made once with debootstrap and kept as a pristine
# archive under build/fresh-machine/; every check unpacks it afresh, so no
# run sees what an earlier one installed. Downloaded packages are kept
# beside it to spare the mirror, which changes nothing the system sees.
#
#   sudo tools/fresh-machine-check.sh [--rebuild]
#
# Not part of the test command: it downloads a system and takes a while.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
place="$repo/build/fresh-machine"
pristine="$place/bookworm-minbase.tar"
packages="$place/apt-archives"
root="$place/root"
mirror="${FRESH_MACHINE_MIRROR:-http://deb.debian.org/debian}"

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-machine-check: needs root (debootstrap, chroot, mounts)" >&2
  exit 2
fi
[ "${1:-}" = "--rebuild" ] && rm -f "$pristine"

note() { printf '== %s\n' "$*"; }

make_pristine_system() {
  [ -f "$pristine" ] && return
  command -v debootstrap >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
  local scratch="$place/debootstrap"
  rm -rf "$scratch"
  note "debootstrap --variant=minbase bookworm (once)"
  debootstrap --variant=minbase bookworm "$scratch" "$mirror" >"$place/debootstrap.log" 2>&1 ||
    { tail -n 20 "$place/debootstrap.log"; exit 1; }
  tar -C "$scratch" -cf "$pristine.part" .
  mv "$pristine.part" "$pristine"
  rm -rf "$scratch"
}

mounted=()
mount_into_root() {
  local what
  for what in proc sys dev dev/pts; do
    mkdir -p "$root/$what"
    mount --bind "/$what" "$root/$what"
    mounted=("$root/$what" "${mounted[@]}")
  done
  mkdir -p "$packages" "$root/var/cache/apt/archives"
  mount --bind "$packages" "$root/var/cache/apt/archives"
  mounted=("$root/var/cache/apt/archives" "${mounted[@]}")
}

# Anything the commands left running inside (a wineserver, Xvfb, a sound
# server) would keep the mounts busy.
end_processes_inside() {
  local link pid
  for link in /proc/[0-9]*/root; do
    pid="${link#/proc/}"
    pid="${pid%/root}"
    [ "$(readlink "$link" 2>/dev/null)" = "$root" ] && kill -9 "$pid" 2>/dev/null
  done
  return 0
}

undo_mounts() {
  end_processes_inside
  local m
  for m in "${mounted[@]}"; do
    umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
  done
  mounted=()
}
trap undo_mounts EXIT

fresh_root() {
  rm -rf "$root"
  mkdir -p "$root"
  tar -C "$root" -xf "$pristine"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  local commit
  commit="$(git -C "$repo" rev-parse HEAD)"
  git clone -q --no-local "$repo" "$root/root/jukett"
  git -C "$root/root/jukett" checkout -q "$commit"
  note "clean clone of $(git -C "$repo" log -1 --format='%h %s' | cut -c1-70)"
}

# One README command, as root in the fresh system with nothing in the
# environment but a home and a path.
inside() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /root/jukett && $1"
}

results=()
run_readme_command() {
  local label="$1" command="$2" log="$place/$3.log" started status
  note "$label: $command (log: ${log#"$repo"/})"
  started=$SECONDS
  status=0
  inside "$command" >"$log" 2>&1 || status=$?
  local took=$((SECONDS - started))
  if [ "$status" -eq 0 ]; then
    results+=("PASS  $label: $command (${took} s)")
  else
    results+=("FAIL  $label: $command (exit $status after ${took} s)")
    tail -n 40 "$log"
  fi
  return "$status"
}

test_summary() {
  grep -E 'tests passed|tests failed|^== tests' "$place/test-command.log" | sed 's/^/      /' || true
}

demo_leftovers() {
  local out="$root/root/jukett/build/demo-output" missing=0 f
  for f in 01-started.png 09-off.png chat-room.txt; do
    [ -s "$out/$f" ] || { echo "      missing: build/demo-output/$f"; missing=1; }
  done
  [ "$missing" -eq 0 ] || return 1
  echo "      $(find "$out" -name '*.png' | wc -l) screenshots and the room's transcript:"
  sed 's/^/        /' "$out/chat-room-plain.txt" 2>/dev/null || sed 's/^/        /' "$out/chat-room.txt"
}

mkdir -p "$place"
make_pristine_system
fresh_root
mount_into_root

overall=0
run_readme_command "test command" "./tools/test.sh" test-command || overall=1
run_readme_command "run command" "./tools/run.sh" run-command || overall=1
demo_output=$(demo_leftovers) || { overall=1; results+=("FAIL  run command left no screenshots or transcript"); }
undo_mounts

echo
echo "Fresh Debian 12 (minbase), root, env -i, no LANG:"
for r in "${results[@]}"; do echo "  $r"; done
test_summary
[ -n "$demo_output" ] && echo "$demo_output"
exit "$overall"
