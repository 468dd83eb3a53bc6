# Writes a C++ source that holds a file's bytes as a constant array.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=kSymbol -P embed.cmake
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n\n"
  "extern const unsigned char ${NAME}[] = {\n  ${bytes}\n};\n"
  "extern const std::size_t ${NAME}Size = ${size};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
