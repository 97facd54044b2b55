# Runs one scenario script through kugelmeister-cli in a fresh program
# directory and compares what it printed, its exit status and the history
# file it left behind with NAME.expected.
#
#   cmake -DCLI=... -DFIXTURE=... -DSCENARIO=<dir>/<name>.kms -DWORK=<dir> -P run_scenario.cmake
#
# The history file to start with comes from NAME.history beside the script,
# or from the listing a line "# history: FILE" names; without one there is none.
# In the script, "# exit: N" states the expected exit status (default 0) and "# stderr: TEXT" a text the error output must
# contain; @HOME@ stands for the program directory (with its trailing slash).
# "# copy: FILE DEST" copies a fixture file from beside the script into the
# program directory (in .ini files @HOME@ is replaced), "# touch: DEST"
# creates an empty file there. "# server: ARGS" runs the script against a
# kugelmeister-server started with ARGS (@DIR@: the scripts' directory); its
# address prints as @SERVER@.
foreach(var CLI FIXTURE SCENARIO WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

get_filename_component(dir "${SCENARIO}" DIRECTORY)
get_filename_component(name "${SCENARIO}" NAME_WE)
set(home "${WORK}/${name}")
file(REMOVE_RECURSE "${home}")
file(MAKE_DIRECTORY "${home}")

file(READ "${SCENARIO}" script)
set(history_listing "${dir}/${name}.history")
if(script MATCHES "(^|\n)# history: ([^\n]*)")
  set(history_listing "${dir}/${CMAKE_MATCH_2}")
endif()
if(EXISTS "${history_listing}")
  execute_process(COMMAND "${FIXTURE}" write "${history_listing}" "${home}/Powerball.dat"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot write the history fixture")
  endif()
endif()

string(REGEX MATCHALL "(^|\n)# copy: [^\n]*" copies "${script}")
foreach(line ${copies})
  string(REGEX REPLACE "^\n?# copy: " "" copy_args "${line}")
  separate_arguments(copy_args UNIX_COMMAND "${copy_args}")
  list(GET copy_args 0 source)
  list(GET copy_args 1 dest)
  get_filename_component(dest_dir "${home}/${dest}" DIRECTORY)
  file(MAKE_DIRECTORY "${dest_dir}")
  if(dest MATCHES "\\.ini$")
    file(READ "${dir}/${source}" content)
    string(REPLACE "@HOME@" "${home}/" content "${content}")
    file(WRITE "${home}/${dest}" "${content}")
  else()
    file(COPY_FILE "${dir}/${source}" "${home}/${dest}")
  endif()
endforeach()
string(REGEX MATCHALL "(^|\n)# touch: [^\n]*" touches "${script}")
foreach(line ${touches})
  string(REGEX REPLACE "^\n?# touch: " "" dest "${line}")
  get_filename_component(dest_dir "${home}/${dest}" DIRECTORY)
  file(MAKE_DIRECTORY "${dest_dir}")
  file(TOUCH "${home}/${dest}")
endforeach()

set(server_url http://127.0.0.1:9)
set(launcher)
if(script MATCHES "(^|\n)# server:([^\n]*)")
  # Never empty: an empty argument would vanish from the command line.
  string(STRIP "--address 127.0.0.1 ${CMAKE_MATCH_2}" server_args)
  string(REPLACE "@DIR@" "${dir}" server_args "${server_args}")
  set(server_url {SERVER})
  set(launcher "${dir}/with_server.sh" "${SERVER}" "${server_args}")
endif()

string(REPLACE "@HOME@" "${home}/" script "${script}")
file(WRITE "${WORK}/${name}.run.kms" "${script}")

set(expected_status 0)
if(script MATCHES "(^|\n)# exit: ([0-9]+)")
  set(expected_status "${CMAKE_MATCH_2}")
endif()

# The C locale and a fixed date and clock make the output the same everywhere.
set(ENV{LC_ALL} C)
execute_process(
  COMMAND ${launcher} "${CLI}" --home "${home}" --settings "${home}/settings.ini"
          --tool-settings "${home}/tool.ini" --server ${server_url}
          --today 2018-04-20 --clock 12345 script "${WORK}/${name}.run.kms"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
execute_process(COMMAND "${FIXTURE}" dump "${home}/Powerball.dat" OUTPUT_VARIABLE history)

set(actual "${out}exit ${status}\n# Powerball.dat\n${history}")
# "# show: FILE" appends a file the run left in the program directory, CR
# shown as \r and bytes outside ASCII as \xHH, or "missing".
string(REGEX MATCHALL "(^|\n)# show: [^\n]*" shows "${script}")
foreach(line ${shows})
  string(REGEX REPLACE "^\n?# show: " "" shown "${line}")
  string(APPEND actual "# ${shown}\n")
  if(EXISTS "${home}/${shown}")
    file(READ "${home}/${shown}" hex HEX)
    string(REGEX MATCHALL ".." bytes "${hex}")
    set(text "")
    foreach(byte ${bytes})
      if(byte STREQUAL "0d")
        string(APPEND text "\\r")
      elseif(byte STREQUAL "0a")
        string(APPEND text "\n")
      elseif(byte MATCHES "^[2-7][0-9a-f]$" AND NOT byte STREQUAL "7f")
        math(EXPR code "0x${byte}")
        string(ASCII ${code} char)
        string(APPEND text "${char}")
      else()
        string(APPEND text "\\x${byte}")
      endif()
    endforeach()
    string(APPEND actual "${text}")
  else()
    string(APPEND actual "missing\n")
  endif()
endforeach()
string(REPLACE "${home}/" "@HOME@" actual "${actual}")
file(WRITE "${WORK}/${name}.actual" "${actual}")

set(failed FALSE)
if(NOT status STREQUAL expected_status)
  message(SEND_ERROR "exit status ${status}, expected ${expected_status}\nstderr: ${err}")
  set(failed TRUE)
endif()
if(script MATCHES "(^|\n)# stderr: ([^\n]*)")
  string(FIND "${err}" "${CMAKE_MATCH_2}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "stderr lacks \"${CMAKE_MATCH_2}\":\n${err}")
    set(failed TRUE)
  endif()
endif()
file(READ "${dir}/${name}.expected" expected)
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u "${dir}/${name}.expected" "${WORK}/${name}.actual"
                  OUTPUT_VARIABLE diff)
  message(SEND_ERROR "output differs from ${name}.expected:\n${diff}")
  set(failed TRUE)
endif()
if(failed)
  message(FATAL_ERROR "scenario ${name} failed")
endif()
