# Writes the man page of pocketreel-cli from its own --help texts with help2man: the overview as
# help2man reads it, and each command's --help under COMMANDS.
#   cmake -DCLI=<program> -DHELP2MAN=<help2man> -DOUTPUT=<page> -P ManPage.cmake
set(include_file "${OUTPUT}.include")
file(WRITE "${include_file}" "[COMMANDS]\n")
foreach(command convert upload probe profiles)
  execute_process(COMMAND "${CLI}" ${command} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} ${command} --help failed: ${status}")
  endif()
  # roff: backslashes and minus signs escaped, no line taken for a request.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  file(APPEND "${include_file}" ".SS ${command}\n.nf\n${text}.fi\n")
endforeach()
execute_process(
  COMMAND "${HELP2MAN}" --no-info --section=1
          "--name=convert videos for the PlayStation Portable from a terminal"
          "--include=${include_file}" "--output=${OUTPUT}" "${CLI}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed: ${status}")
endif()
file(REMOVE "${include_file}")
