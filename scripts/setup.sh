#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the converter need.
set -euo pipefail

packages=(
  cmake g++ make pkg-config   # the build
  qt6-base-dev                # Qt 6 Core, Gui, Widgets and Test: window, processes, settings
  qt6-tools-dev qt6-l10n-tools  # Qt Linguist: the translations' .ts sources made into .qm
  qt6-translations-l10n       # Qt's own words (OK, Show Details...) in the same languages
  libmediainfo-dev            # the play length shown for every queued file
  ffmpeg                      # the encoder that does every conversion
  libavformat-dev libavcodec-dev libavutil-dev  # probing files through the encoder's libraries
  libgtest-dev libgmock-dev   # the tests
  e2fsprogs                   # chattr: run as root, the tests make folders read-only with it
  fonts-liberation                     # Liberation Sans for the design's Tahoma
  fonts-dejavu-core fonts-wqy-microhei # every other script, Chinese, Japanese and Korean too
  xdg-utils                   # opening the help page, links and files with the desktop's programs
  xvfb xauth                  # running the window where there is no display
  at-spi2-core python3-pyatspi dbus-x11  # the accessibility test reads the window as a screen
                                         # reader does, on a bus of its own (dbus-launch)
  parallel jq                 # proving the README's examples: files over machines, JSON for programs
  desktop-file-utils appstream dpkg-dev  # checking the desktop entry, metainfo and package
  file                        # dpkg-shlibdeps, run by the package step, tells programs by it
  lintian man-db              # the install test holds the package to Debian's checks and reads
                              # the manual pages as man does
  python3 pmccabe             # the structure test, which measures every function with pmccabe
)

# Liberation Sans Narrow, which the buttons' captions need, moved between releases: Debian 12's
# fonts-liberation has it (fonts-liberation2 adds Sans 2.x), from Debian 13 on it has a package
# of its own and fonts-liberation2 is empty.
. /etc/os-release
case ${VERSION_CODENAME:-} in
  bookworm) packages+=(fonts-liberation2) ;;
  *) packages+=(fonts-liberation-sans-narrow) ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
