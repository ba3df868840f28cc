# Installs a build into a scratch prefix, checks that every file is in its
# place, and starts the installed program as a menu would: it must find its
# pictures in the data folder (a missing one stops start-up at a message box,
# which the time-out catches) and get as far as the shown main window.
# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=bin -DPICTURE_DIR=share/fane5 -DDATADIR=share
#       -DMANDIR=share/man -DDOCDIR=share/doc/fane5 -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

foreach(file ${BINDIR}/fane5 ${BINDIR}/fane5-cli ${BINDIR}/fane5-sim
             ${PICTURE_DIR}/Spl.dat ${PICTURE_DIR}/bkg.dat
             ${DOCDIR}/README.md ${DOCDIR}/docs/guide.md ${DOCDIR}/docs/pictures/main-window.png
             ${DATADIR}/applications/fane5.desktop ${DATADIR}/icons/hicolor/scalable/apps/fane5.svg
             ${DATADIR}/metainfo/org.fane5.programmer.metainfo.xml lib/udev/rules.d/60-fane5-cables.rules
             ${MANDIR}/man1/fane5.1.gz ${MANDIR}/man1/fane5-cli.1.gz ${MANDIR}/man1/fane5-sim.1.gz)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen FANE5_EXIT_AFTER_SHOW=1
                        "${PREFIX}/${BINDIR}/fane5"
                TIMEOUT 300 RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "shown=")
  message(FATAL_ERROR "installed fane5 did not start (${result}):\n${output}\n${errors}")
endif()
message(STATUS "installed into ${PREFIX}; the installed fane5 started with its pictures from ${PICTURE_DIR}")
