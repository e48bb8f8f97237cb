include(GoogleTest)

# pocketreel_add_gtest(<name> SOURCES <files...> LIBS <targets...> [QT | OWN_MAIN] [THREADS] [FULL_STACKS])
# One gtest executable whose cases CTest lists one by one. QT gives it a main() that makes a
# QApplication (offscreen), for tests that need widgets, events or timers; OWN_MAIN links Qt's
# widgets and test helpers for a suite whose sources bring their own main(). THREADS puts it in the
# ThreadSanitizer pass (label "threads", built by the target pocketreel_thread_tests): suites
# whose threads are the engine's or the conversion run's own. FULL_STACKS makes AddressSanitizer
# record each allocation's whole stack in that suite: the leak suppressions (tests/sanitizers/)
# name frames of system libraries built without frame pointers, which only the slow unwinder sees,
# and the slow unwinder costs a third of the pass's time in the suites that do not need it. Every
# suite is built by the target pocketreel_tests, which the other passes build. A suite's files are
# compiled in batches like every target's (see the top CMakeLists.txt).
add_custom_target(pocketreel_thread_tests)
# Every test with what it runs (scripts/test builds this, not the benchmarks).
add_custom_target(pocketreel_tests)
add_dependencies(pocketreel_tests pocketreel_app)

# The headers that the widget suites' batches spend most of their compile time reading, compiled
# once for all of them (the suites' compile time a fifth less). The owner is a program like the
# suites, so that they are compiled as theirs are, but without Qt Test, which defines each suite's
# own folder as a macro and would make them fit no other suite. A suite whose macros differ where
# these headers look reads them as text, the compiler's own fallback (-Winvalid-pch tells).
add_executable(pocketreel_test_headers EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tests/support/TestHeaders.cpp)
target_link_libraries(pocketreel_test_headers PRIVATE Qt6::Widgets GTest::gtest GTest::gmock)
target_precompile_headers(pocketreel_test_headers PRIVATE
  <QApplication> <QWidget> <QLabel> <QLineEdit> <QPainter> <QImage> <QTimer>
  <QFile> <QFileInfo> <QDir> <QTemporaryDir> <QProcess> <QString> <QStringList>
  <QRegularExpression>
  <gtest/gtest.h> <gmock/gmock.h>
  <functional> <memory> <string> <thread> <vector> <chrono> <mutex>)

function(pocketreel_add_gtest name)
  cmake_parse_arguments(arg "QT;OWN_MAIN;THREADS;FULL_STACKS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  if(arg_FULL_STACKS AND POCKETREEL_SANITIZE STREQUAL "address")
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/sanitizers/FullStacks.cpp)
  endif()
  # Included into the batch, a test file counts as a header, and a TEST_F of a fixture in the file's
  # anonymous namespace draws this warning, which is about headers included twice.
  target_compile_options(${name} PRIVATE -Wno-subobject-linkage)
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gmock)
  if(arg_QT)
    target_link_libraries(${name} PRIVATE pocketreel_qt_test_main)
  endif()
  if(arg_QT OR arg_OWN_MAIN)
    target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::Test)
    target_precompile_headers(${name} REUSE_FROM pocketreel_test_headers)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  add_dependencies(pocketreel_tests ${name})
  set(labels "")
  if(arg_THREADS)
    set(labels threads)
    add_dependencies(pocketreel_thread_tests ${name})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen LABELS "${labels}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
