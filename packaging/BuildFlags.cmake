# Debian's hardening for the release builds the package is made of
# (Release, RelWithDebInfo): the flags of dpkg-buildflags with
# hardening=+all, that is fortified functions, the stack protector, and
# -z relro -z now; also its reproducible-build flags (build paths mapped
# away). Not for the sanitizer and fuzz builds, which bring their own
# instrumentation, nor where dpkg-buildflags is missing (other systems), nor
# for Windows (a cross build finds Debian's tool, but its flags are Linux's).
# FANE5_HARDENED says whether they were taken.
set(FANE5_HARDENED OFF)
option(FANE5_DEBIAN_BUILDFLAGS "Release builds take the flags of dpkg-buildflags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(FANE5_DEBIAN_BUILDFLAGS AND DPKG_BUILDFLAGS AND NOT FANE5_SANITIZE AND NOT FANE5_FUZZ AND NOT WIN32
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # From the source folder, which the file-prefix map then replaces by ".".
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(deb_${kind} UNIX_COMMAND "${flags}")
  endforeach()
  add_compile_options(${deb_CPPFLAGS} ${deb_CXXFLAGS})
  add_link_options(${deb_LDFLAGS})
  set(FANE5_HARDENED ON)
  string(REPLACE ";" " " flags "${deb_CPPFLAGS};${deb_CXXFLAGS};${deb_LDFLAGS}")
  message(STATUS "Flags of dpkg-buildflags: ${flags}")
endif()
