# Installs the DLLs that FANE5_BINARIES import, and the DLLs those import, from
# the folders FANE5_DLL_DIRS into FANE5_DLL_DESTINATION; stripped with
# FANE5_STRIP on `cmake --install --strip`. Windows' own DLLs lie in none of
# these folders and stay out. Run by the install step (Windows.cmake).
cmake_policy(SET CMP0057 NEW)  # if(IN_LIST)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${FANE5_OBJDUMP}")

# The imports come in lower case, as Windows compares names; the folders may
# be on a file system that does not.
foreach(dir ${FANE5_DLL_DIRS})
  file(GLOB dlls "${dir}/*.dll")
  foreach(dll ${dlls})
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" name)
    if(NOT DEFINED "found_${name}")
      set("found_${name}" "${dll}")
    endif()
  endforeach()
endforeach()

set(pending ${FANE5_BINARIES})
set(wanted)
while(pending)
  file(GET_RUNTIME_DEPENDENCIES LIBRARIES ${pending}
       RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
  set(pending)
  foreach(import ${resolved} ${unresolved})
    get_filename_component(name "${import}" NAME)
    string(TOLOWER "${name}" name)
    set(dll "${found_${name}}")
    if(dll AND NOT dll IN_LIST wanted)
      list(APPEND wanted "${dll}")
      list(APPEND pending "${dll}")
    endif()
  endforeach()
endwhile()

file(INSTALL ${wanted} DESTINATION "${FANE5_DLL_DESTINATION}")
if(CMAKE_INSTALL_DO_STRIP)
  foreach(dll ${wanted})
    get_filename_component(name "${dll}" NAME)
    execute_process(COMMAND "${FANE5_STRIP}" --strip-unneeded "${FANE5_DLL_DESTINATION}/${name}")
  endforeach()
endif()
