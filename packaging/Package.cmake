# The Debian package, from the install rules: `make package` (or
# `cmake --build build --target package`) leaves fane5_<version>_<arch>.deb in
# the build folder. Included by the top CMakeLists.txt after the install rules.

# The Maintainer field: this variable when set; otherwise, as Debian's own
# tools do, DEBFULLNAME and DEBEMAIL from the environment of the package
# build (packaging/CPackOptions.cmake reads them then).
set(FANE5_MAINTAINER "" CACHE STRING
    "Maintainer field of the Debian package; empty: \"$DEBFULLNAME <$DEBEMAIL>\"")
if(FANE5_MAINTAINER STREQUAL "FANE5 programmer maintainers <fane5@localhost>")
  set_property(CACHE FANE5_MAINTAINER PROPERTY VALUE "")  # version 1.0's default, not an address
endif()
set(CPACK_FANE5_MAINTAINER "${FANE5_MAINTAINER}")
set(CPACK_FANE5_SOURCE_DATE_EPOCH "${FANE5_SOURCE_DATE_EPOCH}")
set(CPACK_FANE5_PACKAGE_FOLDER "${CMAKE_BINARY_DIR}")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackOptions.cmake)

# A native package's changelog, one entry per released version.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${CMAKE_CURRENT_LIST_DIR}/changelog
          ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  COMMENT "Packing the changelog"
  VERBATIM)
add_custom_target(fane5_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fane5)
set(CPACK_PACKAGE_VERSION ${FANE5_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for the FANE5 handheld radio")
set(CPACK_PACKAGE_DESCRIPTION "\
Reads the channels and options of a FANE5 handheld two-way radio (400 to
480.9995 MHz) over its programming cable, edits them in a grid and writes
them back; saves and opens channel and option files and prints the channel
table. fane5-cli does every radio exchange and file conversion from a shell,
and fane5-sim is a simulated radio to try them without one.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Stripped as Debian's own packages are: also without the compiler's
# .comment and the .note section, which nothing reads.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program fane5 fane5-cli fane5-sim)
      set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
      if(EXISTS \"\${file}\")
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note \"\${file}\")
      endif()
    endforeach()
  endif()")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from the libraries the binaries link (libqt6gui6 brings the
# window-system plug-ins).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

# Builds the package into the build folder, twice, and checks it: the two
# builds are equal, lintian finds nothing to warn about (in a release build
# with Debian's flags, which a package is made of), the files and control
# fields are right, and unpacked into a scratch root the programs answer there.
add_test(NAME debian_package COMMAND ${CMAKE_COMMAND}
  -DBUILD_DIR=${CMAKE_BINARY_DIR} -DVERSION=${FANE5_VERSION} "-DVERSION_TEXT=${FANE5_VERSION_TEXT}"
  -DEPOCH=${FANE5_SOURCE_DATE_EPOCH} -DHARDENED=${FANE5_HARDENED} -DROOT=${CMAKE_BINARY_DIR}/package-check
  -P ${CMAKE_CURRENT_LIST_DIR}/CheckPackage.cmake)
set_tests_properties(debian_package PROPERTIES TIMEOUT 900 SKIP_REGULAR_EXPRESSION "SKIPPED:")
