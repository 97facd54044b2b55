# Runs one scenario script through kugelmeister-cli in a fresh program
# directory and compares what it printed, its exit status and the history
# file it left behind with NAME.expected.
#
#   cmake -DCLI=... -DFIXTURE=... -DSCENARIO=<dir>/<name>.kms -DWORK=<dir> -P run_scenario.cmake
#
# The history file to start with comes from NAME.history beside the script,
# or from the listing a line "# history: FILE" names; without one there is none.
# In the script, "# exit: N" states the expected exit status (default 0) and "# stderr: TEXT" a text the error output must
# contain; "# file: NAME" (any number of them) adds the bytes of the file NAME
# in the program directory to the output compared; "# mkdir: NAME" makes a
# directory there before the run; @HOME@ stands for the program directory
# (with its trailing slash).
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

string(REGEX MATCHALL "(^|\n)# mkdir: [^\n]*" made_dirs "${script}")
foreach(line ${made_dirs})
  string(REGEX REPLACE "^\n?# mkdir: " "" made_dir "${line}")
  file(MAKE_DIRECTORY "${home}/${made_dir}")
endforeach()

string(REPLACE "@HOME@" "${home}/" script "${script}")
file(WRITE "${WORK}/${name}.run.kms" "${script}")

set(expected_status 0)
if(script MATCHES "(^|\n)# exit: ([0-9]+)")
  set(expected_status "${CMAKE_MATCH_2}")
endif()

# The C locale and a fixed date and clock make the output the same everywhere.
set(ENV{LC_ALL} C)
execute_process(
  COMMAND "${CLI}" --home "${home}" --settings "${home}/settings.ini"
          --tool-settings "${home}/tool.ini" --server http://127.0.0.1:9
          --today 2018-04-20 --clock 12345 script "${WORK}/${name}.run.kms"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
execute_process(COMMAND "${FIXTURE}" dump "${home}/Powerball.dat" OUTPUT_VARIABLE history)

set(actual "${out}exit ${status}\n# Powerball.dat\n${history}")
string(REGEX MATCHALL "(^|\n)# file: [^\n]*" shown_files "${script}")
foreach(line ${shown_files})
  string(REGEX REPLACE "^\n?# file: " "" shown "${line}")
  execute_process(COMMAND "${FIXTURE}" show "${home}/${shown}" OUTPUT_VARIABLE bytes)
  string(APPEND actual "# ${shown}\n${bytes}")
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
