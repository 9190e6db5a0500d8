#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Installs the application package on a bare Debian 12 (a minimal root made by debootstrap),
# with apt, so that every missing dependency shows; starts the program on an X server of the
# host; purges it and checks that no file of it is left, and that removing what it brought
# along gives back the bare system's files.
# Usage (as root): bare_install.sh pellucor_VERSION_ARCH.deb [ROOT]
# ROOT is kept (default /var/tmp/pellucor-bare), so a second run downloads only the packages.
# Needs debootstrap, Xvfb and xdotool on the host, and the network to reach deb.debian.org.
set -euo pipefail

deb=$(realpath "${1:?usage: bare_install.sh pellucor_*.deb [ROOT]}")
root=${2:-/var/tmp/pellucor-bare}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "bare_install.sh: run as root (debootstrap, chroot)" >&2; exit 1; }

fail() { echo "FAIL: $*" >&2; exit 1; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
# Files of the system, without what apt and dpkg keep for themselves.
listing() {
  (cd "$root" && find . -xdev -not -type d | grep -vE '^\./(proc|sys|dev|tmp|run)/|^\./var/(cache|log|lib/apt|lib/dpkg)/|^\./etc/ld\.so\.cache$' | sort)
}

if [ ! -x "$root/usr/bin/apt-get" ]; then
  echo "Making a minimal Debian 12 in $root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
fi
mounted=()
cleanup() {
  for m in "${mounted[@]}"; do umount "$m" || true; done
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" && mounted+=("$root/tmp/.X11-unix")

in_root apt-get update -qq
before=$(mktemp)
listing > "$before"
cp "$deb" "$root/tmp/"
echo "apt-get install ./$(basename "$deb")"
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q ./$(basename "$deb")" \
  | grep -E '^(Need to get|After this operation|Setting up pellucor)' || true
in_root dpkg-query -W -f='${Status}\n' pellucor | grep -q "install ok installed" || fail "pellucor is not installed"
mapfile -t owned < <(in_root dpkg-query -L pellucor)

echo "pellucor --version (no display):"
in_root pellucor --version || echo "  (exit status $?)"

# The real X11 platform plugin and fonts of the root, on a display of the host.
display=:$((RANDOM % 100 + 150))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 2
log=$(mktemp)
mkdir -p -m 0700 "$root/run/user/0"
in_root env DISPLAY="$display" HOME=/root XDG_RUNTIME_DIR=/run/user/0 timeout 8 pellucor >"$log" 2>&1 &
runner=$!
window=""
for _ in $(seq 30); do
  window=$(DISPLAY=$display xdotool search --name '^Pellucor$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.25
done
[ -n "$window" ] || { cat "$log"; fail "no Pellucor window appeared"; }
echo "window shown: $(DISPLAY=$display xdotool getwindowgeometry "$window" | tr -s '\n' ' ')"
if [ -n "${SCREENSHOT:-}" ] && command -v import >/dev/null; then
  DISPLAY=$display import -window root "$SCREENSHOT"
fi
status=0
wait "$runner" || status=$?
[ "$status" -eq 124 ] || { cat "$log"; fail "pellucor ended by itself with status $status"; }
[ ! -s "$log" ] || { cat "$log"; fail "pellucor wrote to stderr"; }

in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -q pellucor' >/dev/null
for f in "${owned[@]}"; do
  if [ -e "$root$f" ] && [ ! -d "$root$f" ]; then fail "left after purge: $f"; fi
done
[ ! -e "$root/usr/share/doc/pellucor" ] || fail "left after purge: /usr/share/doc/pellucor"
in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get autoremove --purge -y -q' >/dev/null
after=$(mktemp)
listing > "$after"
if ! diff "$before" "$after" > "$after.diff"; then
  cat "$after.diff"
  fail "the system's files differ from before the installation"
fi
rm -f "$before" "$after" "$after.diff" "$log" "$root/tmp/$(basename "$deb")"
echo "installed with its dependencies, shown its window, purged without a trace"
