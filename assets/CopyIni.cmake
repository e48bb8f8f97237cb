# Run at build time: cmake -DSOURCE_DIR=... -DAPP_DIR=... -P CopyIni.cmake
if(EXISTS ${SOURCE_DIR}/PfDef.dll)
  file(COPY_FILE ${SOURCE_DIR}/PfDef.dll ${APP_DIR}/PfDef.dll ONLY_IF_DIFFERENT)
endif()
foreach(user_file Option.ini PfSetting.ini)
  if(EXISTS ${SOURCE_DIR}/${user_file} AND NOT EXISTS ${APP_DIR}/${user_file})
    file(COPY_FILE ${SOURCE_DIR}/${user_file} ${APP_DIR}/${user_file})
  endif()
endforeach()
