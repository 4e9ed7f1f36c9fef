# A Debian package of the install: `cmake --build build --target package`
# writes build/kestrom_<version>_<arch>.deb. Everything goes under /usr,
# whatever prefix the build was configured with; the program finds its own
# files relative to its folder, so the same build serves both.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kestrom developers")
set(CPACK_PACKAGE_CONTACT "The Kestrom developers <developers@kestrom.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch tool for Game Boy Advance cartridge images")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kestrom.org/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugins at run time, so no binary names them;
# CPack adds the libraries the binaries link to this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The unzip module is private to the program: its folder is no library path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CPACK_PACKAGING_INSTALL_PREFIX}/${KESTROM_INSTALL_MODULEDIR})
# Debian's long description; CPack indents it and puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kestrom works through lists of Game Boy Advance cartridge images (.gba
files, and .zip archives that hold them) and writes processed copies into an
output folder, never touching the originals: it cuts the padding at the end
of an image, removes an appended intro, and applies or removes the patch that
lets a flash cart's menu take control back from the game.
.
The list shows each image's size and the internal name, country and maker
from its header. The kestrom-cli command runs the same operations without
windows, for scripts, and checks and mends cartridge headers.")

include(CPack)
