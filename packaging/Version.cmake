# The exact source of a build. FANE5_VERSION is the project version and the
# commit, "1.1+git103.229daa4" (commits up to it, its short hash): it grows
# with every commit, so it is also the Debian package's version, and a rebuilt
# package upgrades the installed one. A source tree without git (a tarball)
# gives the plain project version, and FANE5_VERSION_TEXT, which the programs
# show, says that the commit is unknown. FANE5_COMMITS is that count of
# commits (0 without git), the last number of a Windows program's version.
# FANE5_SOURCE_DATE_EPOCH is the time of the last commit (or the environment's
# SOURCE_DATE_EPOCH, as a distribution's builder sets it; without git the
# time of the top CMakeLists.txt, which a tarball keeps): the manual pages'
# date and the package's file times, so two builds of one source are equal.
# A new commit makes the next build configure again and pick it up.
set(FANE5_VERSION ${PROJECT_VERSION})
set(FANE5_COMMITS 0)
set(FANE5_VERSION_TEXT "${PROJECT_VERSION} (built without git: the commit is unknown)")
set(FANE5_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")

find_package(Git QUIET)
function(fane5_git result)
  execute_process(COMMAND ${GIT_EXECUTABLE} ${ARGN} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(failed)
    set(out "")
  endif()
  set(${result} "${out}" PARENT_SCOPE)
endfunction()

if(GIT_FOUND)
  # Only this project's own repository counts, not one a tarball was unpacked in.
  fane5_git(top rev-parse --show-toplevel)
  if(top AND top STREQUAL PROJECT_SOURCE_DIR)
    fane5_git(count rev-list --count HEAD)
    fane5_git(hash rev-parse --short=7 HEAD)
    fane5_git(reflog rev-parse --path-format=absolute --git-path logs/HEAD)
  endif()
  if(count AND hash)
    set(FANE5_VERSION "${PROJECT_VERSION}+git${count}.${hash}")
    set(FANE5_COMMITS ${count})
    set(FANE5_VERSION_TEXT "${FANE5_VERSION}")
    if(NOT FANE5_SOURCE_DATE_EPOCH)
      fane5_git(FANE5_SOURCE_DATE_EPOCH log -1 --format=%ct HEAD)
    endif()
    if(EXISTS "${reflog}")
      set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${reflog}")
    endif()
  endif()
endif()
if(NOT FANE5_SOURCE_DATE_EPOCH)
  file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt FANE5_SOURCE_DATE_EPOCH "%s" UTC)
endif()
message(STATUS "FANE5 version: ${FANE5_VERSION_TEXT}")
