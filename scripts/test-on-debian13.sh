#!/usr/bin/env bash
# Proves the quick start's test command on Debian 13 as a new user would meet it: a minimal
# trixie root (made with debootstrap, or reused), a clean clone of what is committed here, and
# ./scripts/test.sh run inside, which installs its own packages there. Needs root; not run by CI.
#   scripts/test-on-debian13.sh [ROOT]     (default: /var/tmp/reelwright-debian13)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=$(realpath -m "${1:-/var/tmp/reelwright-debian13}")
mirror=http://deb.debian.org/debian
[ "$(id -u)" -eq 0 ] || { echo "test-on-debian13.sh: needs root (debootstrap, chroot, mount)" >&2; exit 2; }

if [ ! -e "$root/etc/debian_version" ]; then
  echo "Making a Debian 13 root in $root"
  debootstrap --variant=minbase trixie "$root" "$mirror"
fi
grep -q '^VERSION_CODENAME=trixie$' "$root/etc/os-release" || { echo "$root is not Debian 13" >&2; exit 2; }
echo "deb $mirror trixie main" > "$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# What is mounted here is unmounted however the run ends, innermost first.
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" || umount -l "${mounted[i]}" || true
  done
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
mount_in() {
  mountpoint -q "$root$2" && { echo "$root$2 is already mounted" >&2; exit 2; }
  mount "${@:3}" "$1" "$root$2"
  mounted+=("$root$2")
}
mount_in proc /proc -t proc
mount_in /dev /dev --bind
mount_in /dev/pts /dev/pts --bind

# A clean clone of the commit checked out here: nothing of this working tree's build or edits.
commit=$(git -C "$top" rev-parse HEAD)
rm -rf "$root/root/reelwright"
git clone --quiet "$top" "$root/root/reelwright"
git -C "$root/root/reelwright" checkout --quiet --detach "$commit"
echo "Testing $(git -C "$top" log -1 --format='%h %s' "$commit") on $(. "$root/etc/os-release" && echo "$PRETTY_NAME")"

log=$root/root/test.log
status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c 'cd /root/reelwright && ./scripts/test.sh' 2>&1 | tee "$log" || status=$?

echo
echo "Summary (Debian 13, full output in $log):"
grep -E '^[0-9]+% tests passed|^Total Test time|^The following tests FAILED|^[[:space:]]+[0-9]+ - ' "$log" || true
# The build is as clean there as here: a newer compiler or Qt may warn where Debian 12's did not.
if grep -q ': warning: ' "$log"; then
  echo "The build warns on Debian 13:"
  grep ': warning: ' "$log"
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
