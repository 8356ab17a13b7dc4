# Native build: the portable core and its unit tests.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

# The profile as text, on the same profile code as the program.
add_executable(deskrail-profile ${CMAKE_SOURCE_DIR}/tools/deskrail_profile.cpp ${CMAKE_SOURCE_DIR}/src/base/platform_native.cpp)
target_link_libraries(deskrail-profile PRIVATE deskrail_core)

file(GLOB NATIVE_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/native_*.cpp)
# Objects, not an archive: the core calls the POSIX platform, and a program
# that calls none of it itself would otherwise link none.
add_library(deskrail_native_support OBJECT ${NATIVE_SUPPORT} ${CMAKE_SOURCE_DIR}/src/base/platform_native.cpp)
target_link_libraries(deskrail_native_support PUBLIC deskrail_core)
target_include_directories(deskrail_native_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)

file(GLOB UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE deskrail_native_support gtest_main)
# The profile files as the Python writer makes them, apart from the program's own code.
set(WRITTEN_CORPUS ${CMAKE_BINARY_DIR}/profile_corpus)
add_custom_command(OUTPUT ${WRITTEN_CORPUS}/fields
  COMMAND python3 ${CMAKE_SOURCE_DIR}/fuzz/make_profile_corpus.py ${WRITTEN_CORPUS}
  DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/make_profile_corpus.py)
add_custom_target(written_corpus DEPENDS ${WRITTEN_CORPUS}/fields)
add_dependencies(unit_tests written_corpus)
target_compile_definitions(unit_tests PRIVATE PROFILE_CORPUS="${WRITTEN_CORPUS}")

# Benchmarks: plain timed programs, meaningful only in a Release tree
# without sanitizers (see scripts/bench.sh).
file(GLOB BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
list(FILTER BENCHES EXCLUDE REGEX "_win\\.cpp$")
foreach(src ${BENCHES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE deskrail_native_support)
endforeach()
