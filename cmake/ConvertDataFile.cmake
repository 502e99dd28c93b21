# Converts one UTF-8 data source into the form the program reads: CP932 with CR LF
# after every line. Run as: cmake -DICONV=... -DINPUT=... -DOUTPUT=... -P ConvertDataFile.cmake
# Any character CP932 cannot hold stops the build instead of shipping a "?".
foreach(variable ICONV INPUT OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "ConvertDataFile.cmake needs -D${variable}=...")
  endif()
endforeach()

set(converted "${OUTPUT}.cp932")
execute_process(
  COMMAND "${ICONV}" -f UTF-8 -t CP932 "${INPUT}"
  OUTPUT_FILE "${converted}"
  ERROR_VARIABLE iconv_error
  RESULT_VARIABLE iconv_result)
if(NOT iconv_result EQUAL 0)
  file(REMOVE "${converted}")
  message(FATAL_ERROR "Cannot convert ${INPUT} to CP932: ${iconv_error}")
endif()

# CP932 never uses CR or LF inside a double-byte character, so the line ends can
# be rewritten on the converted bytes.
file(READ "${converted}" content)
file(REMOVE "${converted}")
string(REPLACE "\r\n" "\n" content "${content}")
string(REPLACE "\r" "\n" content "${content}")
if(NOT content STREQUAL "" AND NOT content MATCHES "\n$")
  string(APPEND content "\n")
endif()
string(REPLACE "\n" "\r\n" content "${content}")
file(WRITE "${OUTPUT}" "${content}")
