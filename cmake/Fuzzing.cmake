# Instruments everything for libFuzzer and runs it under ASan and UBSan. Any
# sanitizer report ends the run, so that it counts as a finding.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TARVO_FUZZ needs clang's libFuzzer: configure a build folder of its own "
                      "with CXX=clang++ (for example: CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTARVO_FUZZ=ON)")
endif()

set(TARVO_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(-fsanitize=fuzzer-no-link ${TARVO_SANITIZE})
add_link_options(${TARVO_SANITIZE})
