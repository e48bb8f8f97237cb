# Sanitizer builds, each in a build folder of its own (scripts/test makes build-asan/ and
# build-tsan/, scripts/fuzz build-fuzz/): POCKETREEL_SANITIZE=address instruments everything with
# AddressSanitizer (leak checking on) and UndefinedBehaviorSanitizer; =thread with
# ThreadSanitizer; =fuzzer (clang only) with both of the first and libFuzzer's coverage, for the
# fuzz targets of tests/fuzz/. scripts/test gives the tests the run-time options and the
# suppressions in tests/sanitizers/ (system libraries only) through the environment: a list in a
# test's ENVIRONMENT property does not survive gtest_discover_tests. Benchmarks are left out: their
# figures mean nothing under a sanitizer.
set(POCKETREEL_SANITIZE "" CACHE STRING "Sanitizer build: empty, address (with undefined), thread or fuzzer")
set_property(CACHE POCKETREEL_SANITIZE PROPERTY STRINGS "" address thread fuzzer)

# POCKETREEL_INSTRUMENT_FLAGS instrument the code (tests/CMakeLists.txt takes the address ones off
# the suites' own code); the frame pointers keep fast unwinding through everything.
if(POCKETREEL_SANITIZE STREQUAL "address")
  set(POCKETREEL_INSTRUMENT_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
  set(flags ${POCKETREEL_INSTRUMENT_FLAGS} -fno-omit-frame-pointer)
elseif(POCKETREEL_SANITIZE STREQUAL "thread")
  set(flags -fsanitize=thread -fno-omit-frame-pointer)
elseif(POCKETREEL_SANITIZE STREQUAL "fuzzer")
  set(flags -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
elseif(NOT POCKETREEL_SANITIZE STREQUAL "")
  message(FATAL_ERROR "POCKETREEL_SANITIZE must be empty, address, thread or fuzzer, not ${POCKETREEL_SANITIZE}")
endif()

if(POCKETREEL_SANITIZE)
  # Line tables are all a sanitizer's report needs; full debug information doubles the build.
  add_compile_options(${flags} -O1 -g1)
  add_link_options(${flags})
  # Tests that measure memory or time skip themselves here: quarantine and shadow memory hold
  # freed memory on purpose.
  add_compile_definitions(POCKETREEL_SANITIZED=1)
endif()
