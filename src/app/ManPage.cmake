# Writes the man page of pocketreel with help2man from its own --help and --version. The version's
# first line names the product ("PocketReel 1.0.0 ..."); the page is named after the command.
#   cmake -DPROGRAM=<program> -DHELP2MAN=<help2man> -DOUTPUT=<page> -P ManPage.cmake
execute_process(COMMAND "${PROGRAM}" --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --version failed: ${status}")
endif()
string(REGEX REPLACE "^[^ ]+" "pocketreel" version "${version}")
execute_process(
  COMMAND "${HELP2MAN}" --no-info --section=1 "--name=convert videos for the PlayStation Portable"
          "--version-string=${version}" "--output=${OUTPUT}" "${PROGRAM}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed: ${status}")
endif()
