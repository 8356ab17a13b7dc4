# Windows build: DeskRail.exe, the in-process tests and the end-to-end driver,
# all run under Wine by scripts/test.sh.
add_compile_definitions(WINVER=0x0500 _WIN32_WINNT=0x0500 _WIN32_IE=0x0500)
# Only Windows' own DLLs at run time.
add_link_options(-static -static-libgcc -static-libstdc++)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB ICON_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/icons/*.txt)
set(ICON_FILES)
foreach(picture ${ICON_PICTURES})
  get_filename_component(name ${picture} NAME_WE)
  set(ico ${CMAKE_BINARY_DIR}/icons/${name}.ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_icon.py ${picture} ${ico}
    DEPENDS ${picture} ${CMAKE_SOURCE_DIR}/tools/make_icon.py)
  list(APPEND ICON_FILES ${ico})
endforeach()
add_custom_target(deskrail_icons DEPENDS ${ICON_FILES})

set(RESOURCE_FILE ${CMAKE_SOURCE_DIR}/src/resources/deskrail.rc)
file(GLOB RESOURCE_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/*.rc ${CMAKE_SOURCE_DIR}/src/resources/*.h
  ${CMAKE_SOURCE_DIR}/src/resources/*.manifest)
set_source_files_properties(${RESOURCE_FILE} PROPERTIES OBJECT_DEPENDS "${ICON_FILES};${RESOURCE_PARTS}")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I ${CMAKE_BINARY_DIR}/icons -I ${CMAKE_SOURCE_DIR}/src/resources")

# One static library per floor, each linked only to the floors below it; the
# include check (scripts/check-floors.py) keeps calls from going upward. The
# tests link these; the program's own runtime stays out of them (msvcrt serves).
# ole32, comdlg32 and winmm are loaded at first use (lazy_import_win.h).
function(deskrail_floor name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/(main|crt)_win\\.cpp$|_native\\.cpp$")
  add_library(deskrail_${name} STATIC ${sources})
  target_include_directories(deskrail_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  foreach(below ${ARGN})
    target_link_libraries(deskrail_${name} PUBLIC ${below})
  endforeach()
endfunction()
deskrail_floor(base shell32 uuid advapi32 gdi32 user32)
deskrail_floor(settings deskrail_base)
deskrail_floor(menus deskrail_base)
deskrail_floor(status deskrail_settings deskrail_base)
deskrail_floor(launcher deskrail_menus deskrail_base)
deskrail_floor(editor deskrail_menus deskrail_base)
deskrail_floor(shell deskrail_editor deskrail_launcher deskrail_status deskrail_menus deskrail_settings deskrail_base)
add_library(deskrail_win INTERFACE)
target_link_libraries(deskrail_win INTERFACE deskrail_shell)

# DeskRail.exe has to load on Windows 95, NT 3.51 and NT 4.0 and stay small,
# so it is compiled apart from the library the tests link: no C or C++ runtime
# DLL (msvcrt.dll is missing on NT 3.51 and the first Windows 95), no
# exceptions, no unwind tables, no guarded statics. src/base/crt_win.cpp
# stands in for the runtime with Win32 calls; libgcc adds only helpers
# (stack probes, 64-bit division) that import nothing. docs/old-windows.md
# gives the reasons, scripts/check-imports.sh checks the outcome.
set(OWN_RUNTIME ${CMAKE_SOURCE_DIR}/src/base/crt_win.cpp)
# Its copy loops must not be turned back into calls to themselves.
set_source_files_properties(${OWN_RUNTIME} PROPERTIES
    COMPILE_OPTIONS "-fno-builtin;-fno-tree-loop-distribute-patterns")
function(use_own_runtime target)
  target_sources(${target} PRIVATE ${OWN_RUNTIME})
  # The 80386 is the oldest processor Windows 95 and NT 3.51 run on: none of
  # the Pentium Pro's conditional moves nor any later instruction.
  target_compile_options(${target} PRIVATE -march=i386 -mtune=pentium
      $<$<COMPILE_LANGUAGE:CXX>:-Os -fno-exceptions -fno-rtti -fno-threadsafe-statics
      -fno-asynchronous-unwind-tables -fno-unwind-tables -ffunction-sections -fdata-sections>)
  # Subsystem 3.10, not the default 4.00 (Windows 95, NT 4.0): NT 3.51 is older.
  target_link_options(${target} PRIVATE -nostdlib -Wl,--gc-sections -Wl,-e,_WinMainCRTStartup
      -Wl,--subsystem,windows:3.10 -Wl,--major-os-version,3 -Wl,--minor-os-version,10)
  target_link_libraries(${target} PRIVATE user32 kernel32 gcc)
endfunction()

set(PROGRAM_SOURCES ${ALL_SOURCES})
# The console helper and the command line serve the profile tool; an unused
# import would still reach the program's import table.
list(FILTER PROGRAM_SOURCES EXCLUDE REGEX "/crt_win\\.cpp$|_native\\.cpp$|/console_win\\.cpp$|/profile_tool\\.cpp$")
add_executable(DeskRail WIN32 ${PROGRAM_SOURCES} ${RESOURCE_FILE})
target_include_directories(DeskRail PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(DeskRail PRIVATE shell32 uuid advapi32 gdi32)
use_own_runtime(DeskRail)
add_dependencies(DeskRail deskrail_icons)

# The profile as text: a console program on the same profile code.
add_executable(deskrail-profile ${CMAKE_SOURCE_DIR}/tools/deskrail_profile.cpp)
target_link_libraries(deskrail-profile PRIVATE deskrail_menus deskrail_base)

# Tests: GoogleTest cross-built from Debian's sources.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

# The driver (other processes' windows, boxes, registry, files) stands alone:
# the end-to-end tests need nothing else.
add_library(deskrail_win_driver INTERFACE)
target_include_directories(deskrail_win_driver INTERFACE ${CMAKE_SOURCE_DIR}/tests/support ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(deskrail_win_driver INTERFACE gtest user32 advapi32 shell32 shlwapi gdi32)

# The in-process tests add the libraries of the calls they make themselves.
add_library(deskrail_win_test_support INTERFACE)
target_link_libraries(deskrail_win_test_support INTERFACE deskrail_win_driver ole32 uuid comdlg32 winmm)

# In-process tests link the program's code and its resources.
file(GLOB WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
add_executable(win_tests ${WIN_TESTS} ${RESOURCE_FILE})
target_link_libraries(win_tests PRIVATE deskrail_win deskrail_win_test_support gtest_main)
add_dependencies(win_tests deskrail_icons)

# End-to-end tests drive the real DeskRail.exe from outside.
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${E2E_TESTS})
# The portable floors decode what the bar wrote, with its own rules.
target_link_libraries(e2e_tests PRIVATE deskrail_win_driver deskrail_menus deskrail_settings deskrail_status gtest_main)
add_dependencies(e2e_tests DeskRail deskrail-profile)  # it copies both beside its journeys

# Small programs the tests start (one per tests/helpers/*.cpp).
file(GLOB TEST_HELPERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/helpers/*.cpp)
foreach(src ${TEST_HELPERS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  add_dependencies(e2e_tests ${name})
endforeach()

# Benchmarks under Wine (scripts/bench.sh runs them); one per bench/*_win.cpp.
file(GLOB WIN_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_win.cpp)
foreach(src ${WIN_BENCHES})
  get_filename_component(name ${src} NAME_WE)
  if(name STREQUAL "minimal_window_win" OR name STREQUAL "appbar_floor_win")
    # The yardsticks are built as DeskRail.exe is, so only the work differs.
    add_executable(${name} WIN32 ${src})
    use_own_runtime(${name})
    target_link_libraries(${name} PRIVATE shell32 advapi32)
  else()
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE deskrail_win deskrail_win_test_support psapi)
  endif()
  set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL TRUE)
endforeach()

# Release: a ZIP with the program, the profile tool and the user guide (cpack -G ZIP in build/win).
set(GUIDE ${CMAKE_BINARY_DIR}/DeskRail.txt)
add_custom_command(OUTPUT ${GUIDE}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/to_cp1252.py ${CMAKE_SOURCE_DIR}/docs/guide/DeskRail.txt ${GUIDE}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/guide/DeskRail.txt ${CMAKE_SOURCE_DIR}/tools/to_cp1252.py)
add_custom_target(deskrail_guide ALL DEPENDS ${GUIDE})
install(TARGETS DeskRail deskrail-profile RUNTIME DESTINATION .)
install(FILES ${GUIDE} DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME DeskRail)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_SYSTEM_NAME win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
