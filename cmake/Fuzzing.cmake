# kalvenrod_add_fuzz_test(NAME SOURCES src... SECONDS n MAX_LEN n CORPUS folder
#                         [LIBS target...] [PKG_FLAGS prefix...] [ENVIRONMENT var=value...]
#                         [FAST_UNWIND])
# A libFuzzer target built with clang (with AddressSanitizer) beside the main build, and run
# under CTest for a bounded time on its committed seed corpus. New inputs go to a corpus
# folder in the build tree; the committed seeds are only read. PKG_FLAGS names the results of
# pkg_check_modules whose compiler and linker flags the target needs. LIBS are libraries of the
# main build linked as they are built (not instrumented), for code the target only calls.
# The stack of every allocation is unwound in full, so that a leak in a library without frame
# pointers is seen whole (and the suppressions find it); FAST_UNWIND takes it by frame pointers
# instead, many times faster, for a target whose inputs meet no known leak of those libraries.
find_program(KALVENROD_CLANGXX NAMES clang++ clang++-14)
pkg_check_modules(QT6CORE_PC REQUIRED Qt6Core)

function(kalvenrod_add_fuzz_test name)
  cmake_parse_arguments(F "FAST_UNWIND" "SECONDS;MAX_LEN;CORPUS" "SOURCES;LIBS;PKG_FLAGS;ENVIRONMENT" ${ARGN})
  if(NOT KALVENROD_CLANGXX)
    message(STATUS "clang++ not found: the fuzz target ${name} is not built")
    return()
  endif()
  # Libraries of a sanitizer build carry gcc's AddressSanitizer, which clang's cannot share a
  # process with: such a target is built and run by the normal build only.
  if(KALVENROD_SANITIZE AND F_LIBS)
    message(STATUS "the fuzz target ${name} links libraries of the sanitizer build: not built here")
    return()
  endif()
  set(cflags ${QT6CORE_PC_CFLAGS})
  set(ldflags ${QT6CORE_PC_LDFLAGS})
  foreach(pkg ${F_PKG_FLAGS})
    list(APPEND cflags ${${pkg}_CFLAGS})
    list(APPEND ldflags ${${pkg}_LDFLAGS})
  endforeach()
  foreach(lib ${F_LIBS})
    list(APPEND ldflags $<TARGET_FILE:${lib}> -Wl,-rpath,$<TARGET_FILE_DIR:${lib}>)
  endforeach()
  set(program ${KALVENROD_TEST_DIR}/${name})
  set(headers "")
  foreach(source ${F_SOURCES})
    get_filename_component(folder ${source} DIRECTORY)
    file(GLOB folder_headers ${folder}/*.h)
    list(APPEND headers ${folder_headers})
  endforeach()
  list(REMOVE_DUPLICATES headers)
  add_custom_command(OUTPUT ${program}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KALVENROD_TEST_DIR}
    COMMAND ${KALVENROD_CLANGXX} -std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer
            -fsanitize=fuzzer,address -I${CMAKE_SOURCE_DIR} ${cflags} ${F_SOURCES} -o ${program} ${ldflags}
    DEPENDS ${F_SOURCES} ${headers} ${F_LIBS}
    COMMENT "Building the fuzz target ${name} with clang"
    COMMAND_EXPAND_LISTS VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${program})

  set(corpus ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME ${name}
    COMMAND ${program} -max_total_time=${F_SECONDS} -timeout=10 -rss_limit_mb=2048 -max_len=${F_MAX_LEN}
            -print_final_stats=1 -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz-corpus/ ${corpus} ${F_CORPUS})
  math(EXPR limit "${F_SECONDS} * 4 + 60")
  if(F_FAST_UNWIND)
    set(unwind 1)
  else()
    set(unwind 0)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${limit}
    ENVIRONMENT "ASAN_OPTIONS=fast_unwind_on_malloc=${unwind};${F_ENVIRONMENT}")
endfunction()

# What the fuzz targets of the program's sheet loaders add to their sources: a workbook of one
# sheet made from the input (testing/fuzz/FuzzedSheet.h).
set(KALVENROD_FUZZED_SHEET_SOURCES ${CMAKE_SOURCE_DIR}/testing/fuzz/FuzzedSheet.cpp
    ${CMAKE_SOURCE_DIR}/data/generator/DataSheetFile.cpp)
# The leaks of libgsf on damaged containers, which every target that reads workbooks meets.
set(KALVENROD_FUZZ_LSAN "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/platform/dao/fuzz/lsan.supp")
