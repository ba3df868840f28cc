# Builds the Debian package into the build folder and checks it: its file
# list, its control fields, and, unpacked into a scratch root, that fane5-cli
# and fane5 answer --help there (fane5 without any display), that fane5
# starts and finds its pictures, and that the desktop entry and the AppStream
# file pass their validators (each skipped when its tool is missing).
# cmake -DBUILD_DIR=... -DVERSION=... -DROOT=... -P CheckPackage.cmake
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

run(${DPKG} --print-architecture)
string(STRIP "${out}" arch)
set(deb "${BUILD_DIR}/fane5_${VERSION}_${arch}.deb")
file(REMOVE "${deb}")
run("${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target package)
if(NOT EXISTS "${deb}")
  message(FATAL_ERROR "the package is not where it belongs: ${deb}")
endif()

# Control fields. Depends is computed from the binaries, plus the plug-ins.
run(${DPKG_DEB} --field "${deb}")
set(control "${out}")
message(STATUS "control fields:\n${control}")
foreach(field "Package: fane5" "Version: ${VERSION}" "Architecture: ${arch}" "Section: hamradio"
              "Maintainer: [^\n]+" "Description: programmer for the FANE5 handheld radio"
              "Depends: [^\n]*libqt6serialport6" "Depends: [^\n]*libqt6widgets6"
              "Depends: [^\n]*libjpeg62-turbo" "Depends: [^\n]*qt6-qpa-plugins")
  if(NOT control MATCHES "(^|\n)${field}")
    message(FATAL_ERROR "control field missing or wrong: ${field}")
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
set(expected
  usr/bin/fane5 usr/bin/fane5-cli usr/bin/fane5-sim
  usr/lib/udev/rules.d/60-fane5-cables.rules
  usr/libexec/fane5/Spl.dat usr/libexec/fane5/bkg.dat usr/libexec/fane5/fane5
  usr/share/applications/fane5.desktop
  usr/share/icons/hicolor/scalable/apps/fane5.svg
  usr/share/man/man1/fane5-cli.1.gz usr/share/man/man1/fane5-sim.1.gz usr/share/man/man1/fane5.1.gz
  usr/share/metainfo/org.fane5.programmer.metainfo.xml)
list(SORT expected)
if(NOT files STREQUAL expected)
  string(REPLACE ";" "\n  " files "${files}")
  message(FATAL_ERROR "the package holds:\n  ${files}")
endif()
if(NOT out MATCHES "\\./usr/bin/fane5 -> \\.\\./libexec/fane5/fane5\n")
  message(FATAL_ERROR "usr/bin/fane5 is no relative link to the program")
endif()

# A throw-away root.
file(REMOVE_RECURSE "${ROOT}")
run(${DPKG_DEB} -x "${deb}" "${ROOT}")
run("${ROOT}/usr/bin/fane5-cli" --help)
if(NOT out MATCHES "fane5-cli read-options")
  message(FATAL_ERROR "fane5-cli --help from the package lists no verbs:\n${out}")
endif()
set(no_display "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
run(${no_display} "${ROOT}/usr/bin/fane5" --help)
if(NOT out MATCHES "--demo" OR NOT out MATCHES "--port")
  message(FATAL_ERROR "fane5 --help from the package:\n${out}\n${err}")
endif()
run(${no_display} "${ROOT}/usr/bin/fane5" --version)
if(NOT out MATCHES "fane5 ${VERSION}\n")
  message(FATAL_ERROR "fane5 --version from the package says:\n${out}")
endif()
run("${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen FANE5_EXIT_AFTER_SHOW=1 "${ROOT}/usr/bin/fane5")
if(NOT out MATCHES "shown=")
  message(FATAL_ERROR "fane5 from the package did not start:\n${out}\n${err}")
endif()
message(STATUS "fane5-cli --help, fane5 --help and --version (no display) and fane5's start work from ${ROOT}")

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
