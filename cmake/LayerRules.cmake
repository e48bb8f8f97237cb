# src/core and src/platform hold logic that plain tests reach; they may use QtCore (and QtGui for
# images) but never QtWidgets. Both the include and the link are refused at build time.
function(pocketreel_forbid_widgets target)
  target_include_directories(${target} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/no-widgets)
  get_target_property(libs ${target} LINK_LIBRARIES)
  if(libs AND "Qt6::Widgets" IN_LIST libs)
    message(FATAL_ERROR "${target} must not link Qt6::Widgets")
  endif()
endfunction()
