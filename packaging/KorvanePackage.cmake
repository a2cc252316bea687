# The Debian package: `cpack` in the build folder writes
# korvane_<version>_<arch>.deb of the installation described in
# cmake/KorvaneInstall.cmake, with stripped programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR Tessaracorp)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessaracorp Korvane Team <korvane@tessaracorp.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop video editor")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvane X edits videos on a timeline: media, clips, effects and titles,\n"
    "rendered to a file or shared. Projects, project archives and templates\n"
    "open from the file manager, and the open project is backed up while it\n"
    "is edited.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The package's own files only; nothing the tests or benchmarks install.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Korvane;${KORVANE_INSTALL_COMPONENT};/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tessaracorp.com/korvane")
# The libraries the programs link are found by dpkg-shlibdeps. What it cannot
# see: the SVG image plugin that draws the skin's icons is loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5svg5")
# Links and help open through xdg-open; the file types need the MIME database.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info")
# Without an OpenCL driver the editor runs in safe mode.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "opencl-icd")

include(CPack)
