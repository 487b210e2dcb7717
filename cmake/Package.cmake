# The Debian package: `cpack -G DEB` in a release build folder, or `cpack --preset release`.
set(CPACK_PACKAGE_NAME sketra)
set(CPACK_PACKAGE_VENDOR "The Sketra developers")
set(CPACK_PACKAGE_CONTACT "${SKETRA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Draws on a graphic LCD board over a serial line")
# Debian shows each line of the long description as it is: within 79 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Sketra drives the Korvel board's graphic LCD over a serial line while the
board runs its demo firmware, Brevik: it draws shapes, characters and strings,
reads and writes the board's EEPROMs and display memory, and gives a terminal
line that types straight to the board; it can log what the board sends and
show it as hex. A simulated board, sketra-board, stands in when no board is
connected.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The shared libraries' packages come from dpkg-shlibdeps; Qt finds its windowing plugins
# and the board's drawings their font only through these.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

include(CPack)
