# Builds the Debian package into the build folder and checks it as a
# packager would:
#   - it is built twice, the second time with its manual pages and changelog
#     made anew, and the two packages must be equal (reproducible), with the
#     manual pages dated by the last commit;
#   - lintian, when it is installed, reports no error and no warning on the
#     package of a release build with Debian's flags (HARDENED);
#   - its file list and control fields;
#   - unpacked into a scratch root: every program's --version gives the
#     build's version, fane5 answers --help and an unknown option without any
#     display, fane5 starts and finds its pictures, and the desktop entry and
#     the AppStream file pass their validators (each skipped without its tool).
# cmake -DBUILD_DIR=... -DVERSION=... -DVERSION_TEXT=... -DEPOCH=... -DHARDENED=ON -DROOT=...
#       -P CheckPackage.cmake
find_program(DPKG_DEB dpkg-deb)
find_program(DPKG dpkg)
if(NOT DPKG_DEB OR NOT DPKG)
  message("SKIPPED: dpkg-deb is missing")
  return()
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 600)
  if(NOT result EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed (${result}):\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# A packager's name and address, as Debian's tools take them.
set(maintainer "FANE5 package test <fane5-package-test@example.org>")
function(build_package deb)
  file(REMOVE "${deb}")
  run("${CMAKE_COMMAND}" -E env "DEBFULLNAME=FANE5 package test" DEBEMAIL=fane5-package-test@example.org
      "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target package)
  if(NOT EXISTS "${deb}")
    message(FATAL_ERROR "the package is not where it belongs: ${deb}")
  endif()
endfunction()

run(${DPKG} --print-architecture)
string(STRIP "${out}" arch)
set(deb "${BUILD_DIR}/fane5_${VERSION}_${arch}.deb")
set(first "${BUILD_DIR}/package-check-first.deb")
build_package("${deb}")
file(RENAME "${deb}" "${first}")
file(GLOB remade "${BUILD_DIR}/docs/man/*.1.gz" "${BUILD_DIR}/packaging/changelog.gz")
file(REMOVE ${remade})
build_package("${deb}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${first}" "${deb}" RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "two builds of one commit differ: ${first} and ${deb}")
endif()
file(REMOVE "${first}")
message(STATUS "two builds of the package are equal")

find_program(LINTIAN lintian)
if(NOT HARDENED)
  message(STATUS "lintian is not run: this build is no release build with Debian's flags "
                 "(a sanitizer, fuzz or debug build, or no dpkg-buildflags)")
elseif(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --info --display-info --pedantic --fail-on error,warning "${deb}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 600)
  message(STATUS "lintian --info --display-info --pedantic:\n${out}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian reports errors or warnings (${result}):\n${out}\n${err}")
  endif()
else()
  message(STATUS "lintian is missing: the package is not checked by it")
endif()

# Control fields. Depends is computed from the binaries alone.
run(${DPKG_DEB} --field "${deb}")
set(control "${out}")
message(STATUS "control fields:\n${control}")
foreach(field "Package: fane5" "Version: ${VERSION}" "Architecture: ${arch}" "Section: hamradio"
              "Maintainer: ${maintainer}" "Description: programmer for the FANE5 handheld radio")
  string(FIND "\n${control}" "\n${field}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "control field missing or wrong: ${field}")
  endif()
endforeach()
foreach(library libqt6serialport6 libqt6widgets6 libjpeg62-turbo)
  if(NOT control MATCHES "(^|\n)Depends: [^\n]*${library}")
    message(FATAL_ERROR "Depends lacks ${library}")
  endif()
endforeach()

# The file list: exactly these, nothing more.
run(${DPKG_DEB} --contents "${deb}")
message(STATUS "contents:\n${out}")
string(REGEX MATCHALL "\\./[^\n]*[^/\n](\n|$)" entries "${out}")
set(files)
foreach(entry ${entries})
  string(REGEX REPLACE "^\\./| -> [^\n]*|\n" "" entry "${entry}")
  list(APPEND files "${entry}")
endforeach()
list(SORT files)
file(GLOB pictures RELATIVE "${CMAKE_CURRENT_LIST_DIR}/../docs" "${CMAKE_CURRENT_LIST_DIR}/../docs/pictures/*.png")
list(TRANSFORM pictures PREPEND usr/share/doc/fane5/docs/)
set(expected
  usr/bin/fane5 usr/bin/fane5-cli usr/bin/fane5-sim
  usr/lib/udev/rules.d/60-fane5-cables.rules
  usr/share/fane5/Spl.dat usr/share/fane5/bkg.dat
  usr/share/applications/fane5.desktop
  usr/share/icons/hicolor/scalable/apps/fane5.svg
  usr/share/man/man1/fane5-cli.1.gz usr/share/man/man1/fane5-sim.1.gz usr/share/man/man1/fane5.1.gz
  usr/share/metainfo/org.fane5.programmer.metainfo.xml
  usr/share/doc/fane5/README.md usr/share/doc/fane5/changelog.gz usr/share/doc/fane5/copyright
  usr/share/doc/fane5/docs/guide.md ${pictures})
list(SORT expected)
if(NOT files STREQUAL expected)
  string(REPLACE ";" "\n  " files "${files}")
  message(FATAL_ERROR "the package holds:\n  ${files}")
endif()

# A throw-away root.
file(REMOVE_RECURSE "${ROOT}")
run(${DPKG_DEB} -x "${deb}" "${ROOT}")
run("${ROOT}/usr/bin/fane5-cli" --help)
if(NOT out MATCHES "fane5-cli read-options")
  message(FATAL_ERROR "fane5-cli --help from the package lists no verbs:\n${out}")
endif()
set(no_display "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
foreach(program fane5 fane5-cli fane5-sim)
  run(${no_display} "${ROOT}/usr/bin/${program}" --version)
  if(NOT out STREQUAL "${program} ${VERSION_TEXT}\n")
    message(FATAL_ERROR "${program} --version from the package says:\n${out}")
  endif()
endforeach()
run(${no_display} "${ROOT}/usr/bin/fane5" --help)
if(NOT out MATCHES "--demo" OR NOT out MATCHES "--port")
  message(FATAL_ERROR "fane5 --help from the package:\n${out}\n${err}")
endif()
execute_process(COMMAND ${no_display} "${ROOT}/usr/bin/fane5" --bogus
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT result EQUAL 1 OR NOT err MATCHES "bogus")
  message(FATAL_ERROR "fane5 --bogus without a display (${result}):\n${out}\n${err}")
endif()
run("${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen FANE5_EXIT_AFTER_SHOW=1 "${ROOT}/usr/bin/fane5")
if(NOT out MATCHES "shown=")
  message(FATAL_ERROR "fane5 from the package did not start:\n${out}\n${err}")
endif()
message(STATUS "--version, fane5 --help and --bogus (no display) and fane5's start work from ${ROOT}")

if(EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} "${EPOCH}")
  string(TIMESTAMP day "%Y-%m-%d" UTC)
  run(gzip -dc "${ROOT}/usr/share/man/man1/fane5.1.gz")
  if(NOT out MATCHES "\n\\.TH \"fane5\" \"1\" \"${day}\"")
    message(FATAL_ERROR "fane5(1) is not dated ${day}, the day of the last commit")
  endif()
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  run(${DESKTOP_FILE_VALIDATE} "${ROOT}/usr/share/applications/fane5.desktop")
  message(STATUS "desktop-file-validate: passed ${out}${err}")
else()
  message(STATUS "desktop-file-validate is missing: the desktop entry is not checked")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  run(${APPSTREAMCLI} validate --no-net "${ROOT}/usr/share/metainfo/org.fane5.programmer.metainfo.xml")
  message(STATUS "appstreamcli validate: ${out}${err}")
else()
  message(STATUS "appstreamcli is missing: the AppStream file is not checked")
endif()
