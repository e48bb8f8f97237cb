include(GoogleTest)

# pocketreel_add_gtest(<name> SOURCES <files...> LIBS <targets...> [QT])
# One gtest executable whose cases CTest lists one by one. QT gives it a main() that makes a
# QApplication (offscreen), for tests that need widgets, events or timers.
function(pocketreel_add_gtest name)
  cmake_parse_arguments(arg "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gmock)
  if(arg_QT)
    target_link_libraries(${name} PRIVATE pocketreel_qt_test_main Qt6::Widgets Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
