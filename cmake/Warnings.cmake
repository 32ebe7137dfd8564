# Flags every target of ours shares.
add_library(ramparo_flags INTERFACE)
target_compile_options(ramparo_flags INTERFACE -Wall -Wextra -ffp-contract=off)
target_include_directories(ramparo_flags INTERFACE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(ramparo_flags INTERFACE Threads::Threads)
if(RAMPARO_SANITIZE)
  target_compile_options(ramparo_flags INTERFACE -fsanitize=${RAMPARO_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(ramparo_flags INTERFACE -fsanitize=${RAMPARO_SANITIZE})
endif()
if(RAMPARO_FUZZ)
  # Instrument the game code too, so the fuzzers see coverage inside the readers.
  target_compile_options(ramparo_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()
