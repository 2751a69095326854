# QUENROW_SANITIZE=address builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer (leaks checked, the first finding ends the
# program); QUENROW_SANITIZE=thread with ThreadSanitizer. The options the
# tests run with are in QUENROW_SANITIZER_ENVIRONMENT.
set(QUENROW_SANITIZE "" CACHE STRING "Sanitizer to build with: address, thread or empty")
set_property(CACHE QUENROW_SANITIZE PROPERTY STRINGS "" address thread)

set(QUENROW_SANITIZER_ENVIRONMENT "")
if(QUENROW_SANITIZE STREQUAL "address")
  set(flags -fsanitize=address,undefined -fno-sanitize-recover=all)
  set(QUENROW_SANITIZER_ENVIRONMENT
    ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1
    LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)
  # The suppressions of a test that runs OpenSSL on a pool thread
  # (tests/lsan-openssl-pool.supp says why): quenrow_test_uses_openssl_on_pool(NAME).
  file(READ ${CMAKE_SOURCE_DIR}/tests/lsan.supp common)
  file(READ ${CMAKE_SOURCE_DIR}/tests/lsan-openssl-pool.supp tls)
  file(WRITE ${CMAKE_BINARY_DIR}/lsan-openssl-pool.supp "${common}\n${tls}")
  # The same for the tests that show Qt Quick scenes: quenrow_test_uses_qt_quick(NAME).
  file(READ ${CMAKE_SOURCE_DIR}/tests/lsan-qtquick.supp quick)
  file(WRITE ${CMAKE_BINARY_DIR}/lsan-qtquick.supp "${common}\n${quick}")
elseif(QUENROW_SANITIZE STREQUAL "thread")
  set(flags -fsanitize=thread)
  set(QUENROW_SANITIZER_ENVIRONMENT
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp)
elseif(NOT QUENROW_SANITIZE STREQUAL "")
  message(FATAL_ERROR "QUENROW_SANITIZE must be address, thread or empty, not ${QUENROW_SANITIZE}")
endif()

if(QUENROW_SANITIZE)
  add_compile_options(${flags} -fno-omit-frame-pointer)
  add_link_options(${flags})
endif()

function(quenrow_test_uses_openssl_on_pool test)
  if(QUENROW_SANITIZE STREQUAL "address")
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
      "LSAN_OPTIONS=suppressions=${CMAKE_BINARY_DIR}/lsan-openssl-pool.supp:print_suppressions=0")
  endif()
endfunction()

function(quenrow_test_uses_qt_quick test)
  if(QUENROW_SANITIZE STREQUAL "address")
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
      "LSAN_OPTIONS=suppressions=${CMAKE_BINARY_DIR}/lsan-qtquick.supp:print_suppressions=0:fast_unwind_on_malloc=0")
  endif()
endfunction()

# QUENROW_FUZZ=ON builds the fuzz targets under fuzz/ (clang only): every
# library with libFuzzer's coverage, AddressSanitizer and UBSan, each target
# linked with libFuzzer's main.
option(QUENROW_FUZZ "Build the libFuzzer targets of fuzz/ (clang)" OFF)
if(QUENROW_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QUENROW_FUZZ needs clang (make fuzz uses clang-14)")
  endif()
  if(QUENROW_SANITIZE)
    message(FATAL_ERROR "QUENROW_FUZZ brings its own sanitizers: leave QUENROW_SANITIZE empty")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
