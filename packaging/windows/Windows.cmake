# Windows: fane5.exe and fane5-cli.exe with everything they need beside them
# (Qt's DLLs, its window-system plug-in, libjpeg, the MinGW runtime), and
# the target windows_package, which packs that folder as
# fane5-<version>-windows-x64.zip and fane5-<version>-setup.exe (NSIS) in the
# build folder. Included by the top CMakeLists.txt after the install rules.

# The window program starts without a console window beside it (its --help
# and --version answer in a message box, as Qt does for such programs).
set_target_properties(fane5 PROPERTIES WIN32_EXECUTABLE ON)

# Windows wants a version as four numbers: major, minor, patch, commits.
set(patch 0)
if(PROJECT_VERSION_PATCH)
  set(patch ${PROJECT_VERSION_PATCH})
endif()
set(version_numbers ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${patch} ${FANE5_COMMITS})

# Each program's icon and version resource (fane5.rc.in).
enable_language(RC)
function(fane5_windows_resources program description)
  set(icon "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/fane5.ico")
  string(JOIN "," numeric_version ${version_numbers})
  configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/fane5.rc.in" "${CMAKE_BINARY_DIR}/${program}.rc" @ONLY)
  target_sources(${program} PRIVATE "${CMAKE_BINARY_DIR}/${program}.rc")
endfunction()
fane5_windows_resources(fane5 "FANE5 Programmer")
fane5_windows_resources(fane5-cli "FANE5 Programmer on the command line")

# Where the DLLs are found: beside Qt's own, beside libjpeg, and where the
# compiler keeps its runtime (Debian's MinGW-w64 in two folders; MSYS2 beside
# the compiler).
set(dll_dirs "$<TARGET_FILE_DIR:Qt6::Core>")
foreach(jpeg_lib ${JPEG_LIBRARIES})
  get_filename_component(jpeg_prefix "${jpeg_lib}" DIRECTORY)
  list(APPEND dll_dirs "${jpeg_prefix}/../bin")
endforeach()
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(IS_ABSOLUTE "${found}")
    get_filename_component(found_dir "${found}" DIRECTORY)
    list(APPEND dll_dirs "${found_dir}")
  endif()
endforeach()
get_filename_component(compiler_dir "${CMAKE_CXX_COMPILER}" DIRECTORY)
list(APPEND dll_dirs "${compiler_dir}")

# Qt loads its window-system plug-in from platforms/ beside the program.
set(platform_plugin "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>")
install(FILES "${platform_plugin}" DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)

# The DLLs the programs and the plug-in need, found in those folders.
install(CODE "
  set(FANE5_BINARIES \"$<TARGET_FILE:fane5>\" \"$<TARGET_FILE:fane5-cli>\" \"${platform_plugin}\")
  set(FANE5_DLL_DIRS \"${dll_dirs}\")
  set(FANE5_DLL_DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  set(FANE5_OBJDUMP \"${CMAKE_OBJDUMP}\")
  set(FANE5_STRIP \"${CMAKE_STRIP}\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/InstallDlls.cmake\")
")

find_program(MAKENSIS makensis)
string(JOIN "." numeric_version ${version_numbers})
add_custom_target(windows_package
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DVERSION=${PROJECT_VERSION}
          -DFULL_VERSION=${FANE5_VERSION} -DNUMERIC_VERSION=${numeric_version}
          -DBINDIR=${CMAKE_INSTALL_BINDIR} -DMAKENSIS=${MAKENSIS}
          -DNSIS_SCRIPT=${CMAKE_CURRENT_LIST_DIR}/fane5.nsi -P ${CMAKE_CURRENT_LIST_DIR}/Pack.cmake
  DEPENDS fane5 fane5-cli fane5_pictures
  COMMENT "Packing the Windows zip and installer"
  USES_TERMINAL)
