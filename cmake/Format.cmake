# `format` rewrites the C++ sources with the repository's .clang-format;
# `format-check` only reports, and fails on any difference. The files are listed
# when the target runs, so a new source needs no reconfigure.
find_program(TARVO_CLANG_FORMAT NAMES clang-format clang-format-14 DOC "clang-format for the format targets")

set(tarvo_run_clang_format ${CMAKE_COMMAND} -DCLANG_FORMAT=${TARVO_CLANG_FORMAT}
  -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DBUILD_DIR=${PROJECT_BINARY_DIR})
add_custom_target(format
  COMMAND ${tarvo_run_clang_format} -DMODE=format -P ${CMAKE_CURRENT_LIST_DIR}/RunClangFormat.cmake
  VERBATIM)
add_custom_target(format-check
  COMMAND ${tarvo_run_clang_format} -DMODE=check -P ${CMAKE_CURRENT_LIST_DIR}/RunClangFormat.cmake
  VERBATIM)
