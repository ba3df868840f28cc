# The Debian package, from the install rules: `make package` (or
# `cmake --build build --target package`) leaves fane5_<version>_<arch>.deb in
# the build folder. Included by the top CMakeLists.txt after the install rules.
set(FANE5_MAINTAINER "FANE5 programmer maintainers <fane5@localhost>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fane5)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${FANE5_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for the FANE5 handheld radio")
set(CPACK_PACKAGE_DESCRIPTION "\
Reads the channels and options of a FANE5 handheld two-way radio (400 to
480.9995 MHz) over its programming cable, edits them in a grid and writes
them back; saves and opens channel and option files and prints the channel
table. fane5-cli does every radio exchange and file conversion from a shell,
and fane5-sim is a simulated radio to try them without one.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries; Qt's window-system plug-ins are loaded
# at run time, so no binary names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)

# Builds the package into the build folder, checks its files and control
# fields, unpacks it into a scratch root and starts the programs from there.
add_test(NAME debian_package COMMAND ${CMAKE_COMMAND}
  -DBUILD_DIR=${CMAKE_BINARY_DIR} -DVERSION=${PROJECT_VERSION}
  -DROOT=${CMAKE_BINARY_DIR}/package-check
  -P ${CMAKE_CURRENT_LIST_DIR}/CheckPackage.cmake)
set_tests_properties(debian_package PROPERTIES TIMEOUT 900 SKIP_REGULAR_EXPRESSION "SKIPPED:")
