# Runs clang-format over the C++ sources: MODE=format rewrites them, MODE=check
# fails on any difference and leaves clang-format's full report in BUILD_DIR.
#   cmake -DCLANG_FORMAT=... -DSOURCE_DIR=... -DBUILD_DIR=... -DMODE=format|check -P RunClangFormat.cmake
cmake_minimum_required(VERSION 3.22)
if(NOT CLANG_FORMAT OR CLANG_FORMAT MATCHES "NOTFOUND$")
  message(FATAL_ERROR "clang-format is missing: install Debian's clang-format (scripts/install-deps.sh does) "
                      "and configure again")
endif()

set(folders src tests tools bench)
set(pathspecs)
set(globs)
foreach(folder IN LISTS folders)
  list(APPEND pathspecs "${folder}/*.cpp" "${folder}/*.h")
  list(APPEND globs "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
endforeach()

# In a git checkout only the tracked files count, so stray copies and build
# output never get formatted; an unpacked source tree (or one inside another
# project's checkout, where git lists nothing) takes what is there.
find_program(GIT git)
set(listed 1)
if(GIT)
  execute_process(
    COMMAND "${GIT}" -c core.quotepath=off ls-files -- ${pathspecs}
    WORKING_DIRECTORY "${SOURCE_DIR}"
    OUTPUT_VARIABLE tracked
    RESULT_VARIABLE listed
    ERROR_QUIET)
endif()
set(files)
if(listed EQUAL 0 AND tracked)
  string(REPLACE "\n" ";" tracked "${tracked}")
  foreach(file IN LISTS tracked)
    # A tracked file deleted in the work tree has nothing to format.
    if(file AND EXISTS "${SOURCE_DIR}/${file}")
      list(APPEND files "${file}")
    endif()
  endforeach()
else()
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" ${globs})
endif()
list(SORT files)
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "No C++ sources found under ${SOURCE_DIR}")
endif()

if(MODE STREQUAL "format")
  execute_process(
    COMMAND "${CLANG_FORMAT}" --style=file -i ${files}
    WORKING_DIRECTORY "${SOURCE_DIR}"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format failed (${result})")
  endif()
  message(STATUS "Formatted ${count} files")
elseif(MODE STREQUAL "check")
  execute_process(
    COMMAND "${CLANG_FORMAT}" --style=file --dry-run -Werror ${files}
    WORKING_DIRECTORY "${SOURCE_DIR}"
    OUTPUT_VARIABLE report
    ERROR_VARIABLE report
    RESULT_VARIABLE result)
  set(log "${BUILD_DIR}/format-check.log")
  file(WRITE "${log}" "${report}")
  if(NOT result EQUAL 0)
    # The full report runs to thousands of lines; the names of the files are
    # what one acts on.
    string(REGEX MATCHALL "[^\n]+:[0-9]+:[0-9]+: error:" places "${report}")
    set(differing)
    foreach(place IN LISTS places)
      string(REGEX REPLACE ":[0-9]+:[0-9]+: error:$" "" file "${place}")
      list(APPEND differing "${file}")
    endforeach()
    list(REMOVE_DUPLICATES differing)
    list(LENGTH differing differing_count)
    list(JOIN differing "\n  " differing)
    message(FATAL_ERROR "${differing_count} of ${count} files differ from .clang-format:\n  ${differing}\n"
                        "clang-format's report: ${log}\n"
                        "Rewrite them with: cmake --build ${BUILD_DIR} --target format")
  endif()
  message(STATUS "All ${count} files match .clang-format")
else()
  message(FATAL_ERROR "MODE must be format or check, not '${MODE}'")
endif()
