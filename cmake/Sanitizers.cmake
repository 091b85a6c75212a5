# SPANWRIGHT_SANITIZE: every target of the build, the tests included, is
# compiled and linked with AddressSanitizer and UndefinedBehaviorSanitizer.
# Undefined behaviour stops the program (no recovery), so a test that runs
# into it fails instead of printing a warning and passing.
#
# Included from the top CMakeLists.txt before any target is defined, so the
# directory-wide options below reach every target.
#
#   cmake -S . -B /tmp/asan -DSPANWRIGHT_SANITIZE=ON
#   cmake --build /tmp/asan
#   cd /tmp/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure
#
# CTest runs the tests with the leak suppressions of cmake/lsan.supp (leaks
# inside system libraries that Qt uses) and with stack traces for undefined
# behaviour. To run a sanitized program by hand in the same way:
#
#   LSAN_OPTIONS=suppressions=$PWD/cmake/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
#       /tmp/asan/bin/spanwright

option(SPANWRIGHT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(SPANWRIGHT_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang|AppleClang)$")
        message(FATAL_ERROR
            "SPANWRIGHT_SANITIZE needs GCC or Clang, not ${CMAKE_CXX_COMPILER_ID}")
    endif()

    # float-cast-overflow is not part of GCC's "undefined" group; the engine
    # converts doubles to integers, so it is asked for by name.
    set(SPANWRIGHT_SANITIZER_FLAGS
        -fsanitize=address,undefined,float-cast-overflow
        -fno-sanitize-recover=undefined,float-cast-overflow
        -fno-omit-frame-pointer
    )
    add_compile_options(${SPANWRIGHT_SANITIZER_FLAGS})
    add_link_options(-fsanitize=address,undefined,float-cast-overflow)
    message(STATUS "Sanitizers: ${SPANWRIGHT_SANITIZER_FLAGS}")

    # The sanitizer settings for every test: CTest includes this file before
    # it runs any test, and the tests inherit its environment. Settings the
    # caller already has are kept; the suppressions are added to them unless
    # the caller names a suppressions file of their own.
    set(sanitizerTestEnvironment "${CMAKE_CURRENT_BINARY_DIR}/SanitizerTestEnvironment.cmake")
    file(WRITE "${sanitizerTestEnvironment}" "\
set(suppressions \"suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp\")
if(\"\$ENV{LSAN_OPTIONS}\" STREQUAL \"\")
    set(ENV{LSAN_OPTIONS} \"\${suppressions}\")
elseif(NOT \"\$ENV{LSAN_OPTIONS}\" MATCHES \"suppressions=\")
    set(ENV{LSAN_OPTIONS} \"\$ENV{LSAN_OPTIONS}:\${suppressions}\")
endif()
if(NOT DEFINED ENV{UBSAN_OPTIONS})
    set(ENV{UBSAN_OPTIONS} \"print_stacktrace=1\")
endif()
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${sanitizerTestEnvironment}")
endif()
