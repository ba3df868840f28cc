# Packs the Windows build: installs it into a folder of the build named
# fane5-<version>-windows-x64, zips that folder, and makes the installer
# fane5-<version>-setup.exe from it with NSIS.
# cmake -DBUILD_DIR=... -DVERSION=<project version> -DFULL_VERSION=<with the commit>
#       -DNUMERIC_VERSION=<four numbers> -DBINDIR=bin -DMAKENSIS=... -DNSIS_SCRIPT=... -P Pack.cmake
set(name fane5-${VERSION}-windows-x64)
set(folder ${BUILD_DIR}/${name})
set(scratch ${BUILD_DIR}/windows-install)
file(REMOVE_RECURSE ${scratch} ${folder} ${BUILD_DIR}/${name}.zip)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}")
  endif()
endfunction()

# The programs sit in the install's bin folder with everything they load.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${scratch} --strip)
file(RENAME ${scratch}/${BINDIR} ${folder})
file(REMOVE_RECURSE ${scratch})

execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${name}.zip --format=zip ${name}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zipping ${name} failed")
endif()
message(STATUS "Windows zip: ${BUILD_DIR}/${name}.zip")

# The uninstaller removes exactly the files the installer put there.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${folder} ${folder}/*)
file(GLOB_RECURSE dirs LIST_DIRECTORIES true RELATIVE ${folder} ${folder}/*)
list(REMOVE_ITEM dirs ${files})
list(SORT dirs ORDER DESCENDING)  # inner folders first
set(remove "!macro RemoveInstalledFiles\n")
foreach(file ${files})
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND remove "  Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(dir ${dirs})
  string(REPLACE "/" "\\" dir "${dir}")
  string(APPEND remove "  RMDir \"$INSTDIR\\${dir}\"\n")
endforeach()
string(APPEND remove "!macroend\n")
file(WRITE ${BUILD_DIR}/installed-files.nsh "${remove}")

if(NOT MAKENSIS)
  message(FATAL_ERROR "The installer needs NSIS's makensis (Debian package nsis; `make windows` installs it)")
endif()
run(${MAKENSIS} -V2 -DVERSION=${VERSION} -DFULL_VERSION=${FULL_VERSION} -DNUMERIC_VERSION=${NUMERIC_VERSION}
    -DSTAGE=${folder} -DFILE_LIST=${BUILD_DIR}/installed-files.nsh
    -DOUTFILE=${BUILD_DIR}/fane5-${VERSION}-setup.exe ${NSIS_SCRIPT})
message(STATUS "Windows installer: ${BUILD_DIR}/fane5-${VERSION}-setup.exe")
