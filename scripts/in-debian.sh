#!/usr/bin/env bash
# Runs a command in a fresh clone of this repository's committed HEAD inside a Debian root,
# so that the game is built, tested and packaged on a release other than the machine's.
#   scripts/in-debian.sh 13 ./test.sh
#   scripts/in-debian.sh 13 scripts/package.sh
# The root (debootstrap, minbase) is /var/cache/kobusato/debian-RELEASE (below $KOBUSATO_ROOTS
# when that is set) and is reused; one that was never finished is made anew. The clone is
# /root/kobusato inside it, replaced on every run; what the command leaves there (build
# folders, packages) stays until the next run. Needs root and a Debian mirror; installs
# debootstrap when it is missing.
set -euo pipefail

usage() {
  echo "usage: $0 12|13 COMMAND [ARGUMENT...]" >&2
  exit 2
}

[ $# -ge 2 ] || usage
release=$1
case "$release" in
  12) suite=bookworm ;;
  13) suite=trixie ;;
  *) usage ;;
esac
if [ "$(id -u)" -ne 0 ]; then
  echo "$0: needs root (debootstrap, mount, chroot)" >&2
  exit 1
fi

# Everything mounted from here on lives in a mount namespace of this run's own: nothing
# reaches the machine's mounts, and a run that is killed leaves no mount behind.
if [ -z "${KOBUSATO_IN_DEBIAN_NS:-}" ]; then
  exec unshare --mount --propagation private env KOBUSATO_IN_DEBIAN_NS=1 "$0" "$@"
fi
shift

mirror=${KOBUSATO_MIRROR:-http://deb.debian.org/debian}
security=${KOBUSATO_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
cache=${KOBUSATO_ROOTS:-/var/cache/kobusato}
root=$cache/debian-$release
stamp=$root/.kobusato-root-complete
clone=$root/root/kobusato
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
head=$(git -C "$repo" rev-parse --verify HEAD)

# A second run waits for the first: two in one root would share its apt and its clone.
mkdir -p "$cache"
exec 9>"$cache/debian-$release.lock"
if ! flock -n 9; then
  echo "in-debian: waiting for another run in $root" >&2
  flock 9
fi

mounted=()
unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -- "${mounted[i]}" 2>/dev/null || umount -l -- "${mounted[i]}" || true
  done
  mounted=()
}
trap unmount_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mount_root() {
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
  mount --bind /dev "$root/dev" && mounted+=("$root/dev")
  mount --bind /dev/pts "$root/dev/pts" && mounted+=("$root/dev/pts")
  mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm" && mounted+=("$root/dev/shm")
  mount -t tmpfs -o mode=755,nosuid,nodev run "$root/run" && mounted+=("$root/run")
  mkdir -p "$root/run/lock"
  rm -f "$root/etc/resolv.conf"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
}

# CI and the terminal pass through; nothing else of the caller's environment does, so a run
# inside behaves as a fresh login on that release would.
in_root() {
  local env=(HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
             LANG=C.UTF-8 TERM="${TERM:-dumb}")
  if [ -n "${CI:-}" ]; then env+=(CI="$CI"); fi
  chroot "$root" /usr/bin/env -i "${env[@]}" "$@"
}

make_root() {
  local t0=$SECONDS log=$cache/debian-$release.log
  if [ -e "$root" ]; then
    echo "in-debian: removing the unfinished root $root" >&2
    rm -rf --one-file-system -- "$root"
  fi
  if ! command -v debootstrap >/dev/null; then
    echo "in-debian: installing debootstrap" >&2
    { apt-get update -qq &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap; } \
      >"$log" 2>&1 || { tail -n 20 "$log" >&2; echo "in-debian: could not install debootstrap" >&2; exit 1; }
  fi
  echo "in-debian: making the Debian $release root in $root (debootstrap $suite)" >&2
  if ! debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    echo "in-debian: debootstrap failed (the whole log: $log)" >&2
    exit 1
  fi
  rm -f "$root/etc/apt/sources.list"
  cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  # Packages installed in a chroot must not start their services on the machine.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  mount_root
  if ! { in_root apt-get update -qq &&
         in_root env DEBIAN_FRONTEND=noninteractive apt-get upgrade -y -qq; } >>"$log" 2>&1; then
    tail -n 20 "$log" >&2
    echo "in-debian: the root's first upgrade failed (the whole log: $log)" >&2
    exit 1
  fi
  touch "$stamp"
  echo "in-debian: made the root in $((SECONDS - t0)) s," \
    "$(du -sh --one-file-system "$root" | cut -f1)" >&2
}

if [ -e "$stamp" ]; then
  mount_root
else
  make_root
fi

rm -rf --one-file-system -- "$clone"
git clone -q --no-checkout "$repo" "$clone"
git -C "$clone" -c advice.detachedHead=false checkout -q --detach "$head"
echo "in-debian: Debian $release, $(git -C "$clone" log -1 --format='%h %s')" >&2

set +e
in_root /bin/sh -c 'cd /root/kobusato && exec "$@"' in-debian "$@"
status=$?
set -e
exit "$status"
