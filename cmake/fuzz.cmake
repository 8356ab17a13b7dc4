# libFuzzer targets on the portable readers; one executable per fuzz/*.cpp.
# The first report of undefined behaviour stops the run, as in the unit tests.
set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(deskrail_core PRIVATE ${FUZZ_FLAGS})
file(GLOB NATIVE_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/native_*.cpp)
# Objects, not an archive: the core calls the POSIX platform, and a program
# that calls none of it itself would otherwise link none.
add_library(deskrail_native_support OBJECT ${NATIVE_SUPPORT} ${CMAKE_SOURCE_DIR}/src/base/platform_native.cpp)
target_compile_options(deskrail_native_support PRIVATE ${FUZZ_FLAGS})
target_link_libraries(deskrail_native_support PUBLIC deskrail_core)
target_include_directories(deskrail_native_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)

file(GLOB FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(src ${FUZZERS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE deskrail_native_support)
endforeach()
