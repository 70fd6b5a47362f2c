# Turns a file into a constant byte array in a generated .cpp and .h, so the
# program carries the file inside itself.
#
# As a function: tzl_embed_bytes(target SYMBOL INPUT [DEPENDS targets...])
# adds SYMBOL.cpp to `target` and makes SYMBOL.h includable as
# "embedded/SYMBOL.h". As a script (cmake -P), it writes the two files.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(WRITE "${OUTPUT_HEADER}.tmp"
    "// Generated from ${INPUT}.\n#pragma once\n#include <cstdint>\n\n"
    "namespace tzl {\nextern const uint8_t ${SYMBOL}[${size}];\n}\n")
  file(WRITE "${OUTPUT_SOURCE}.tmp"
    "// Generated from ${INPUT}.\n#include \"embedded/${SYMBOL}.h\"\n\n"
    "namespace tzl {\nconst uint8_t ${SYMBOL}[${size}] = {\n${bytes}\n};\n}\n")
  # Only a changed file is replaced, so dependants rebuild only when needed.
  file(COPY_FILE "${OUTPUT_HEADER}.tmp" "${OUTPUT_HEADER}" ONLY_IF_DIFFERENT)
  file(COPY_FILE "${OUTPUT_SOURCE}.tmp" "${OUTPUT_SOURCE}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUTPUT_HEADER}.tmp" "${OUTPUT_SOURCE}.tmp")
  return()
endif()

set(TZL_EMBED_BYTES_SCRIPT ${CMAKE_CURRENT_LIST_FILE} CACHE INTERNAL "The byte-array generator")

function(tzl_embed_bytes target symbol input)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/embedded_include)
  set(header ${dir}/embedded/${symbol}.h)
  set(source ${dir}/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${header} ${source}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/embedded
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DSYMBOL=${symbol}
            -DOUTPUT_HEADER=${header} -DOUTPUT_SOURCE=${source} -P ${TZL_EMBED_BYTES_SCRIPT}
    DEPENDS ${input} ${ARG_DEPENDS} ${TZL_EMBED_BYTES_SCRIPT}
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE ${source} ${header})
  target_include_directories(${target} PUBLIC ${dir})
endfunction()
