# The Debian packages the project needs, sourced by the run and test scripts.
# shellcheck shell=bash
BUILD_PACKAGES=(
  g++ cmake ninja-build pkg-config
  # dpkg-buildflags, for the hardening flags a Debian package is built with.
  dpkg-dev
  libicu-dev
  qt6-base-dev
  # Print jobs are handed to the print system through its own library.
  libcups2-dev
  # The window draws its text with these; a minimal system has no fonts at all.
  fonts-dejavu-core
  # Qt's SVG library, which draws the window's icon into PNGs while the project builds; its
  # plugin draws the icon in the desktop's menus.
  qt6-svg-dev libqt6svg6
)
# What cpack needs to make the Debian package besides dpkg-dev (dpkg-shlibdeps): file, with
# which it finds the programs to strip and to look up libraries for.
PACKAGING_PACKAGES=(file)
TEST_PACKAGES=(
  git clang-format
  libgtest-dev libbenchmark-dev
  # A real X server for the tests that start the program as a user does.
  xvfb xauth xdotool
  # A private print server with a PDF printer, and the tools that read its PDFs back.
  cups printer-driver-cups-pdf poppler-utils
  # The validators of the desktop entry and the metainfo, and xprop, which reads the window's
  # icon back from the X server.
  desktop-file-utils appstream x11-utils
  # The screen reader, with the accessibility bus and a private D-Bus session to run it on.
  orca at-spi2-core dbus-daemon
  # Debian's judges of a package and of a hardened program, and man to read the manual page;
  # diffoscope, which says how two builds of the package differ.
  lintian devscripts man-db diffoscope-minimal
  # A Wayland compositor with a headless backend, Qt's Wayland platform, and Qt's own
  # translations, which the package depends on or recommends.
  weston qt6-wayland qt6-translations-l10n
  # Static checks, and clang with its fuzzing and sanitizer runtimes for the fuzz targets:
  # Debian's default version of each, so that the three always match.
  clang-tidy clang libclang-rt-dev
)
