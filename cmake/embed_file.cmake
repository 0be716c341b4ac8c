# Writes a C++ source that holds the bytes of a file as an array, for data shipped inside the
# program.
#   cmake -DINPUT=<file> -DOUTPUT=<source.cpp> -DNAME=<symbol> -P cmake/embed_file.cmake
# The source defines, in namespace telqor, `const unsigned char NAME[]` and `const size_t NAMESize`.
foreach(var INPUT OUTPUT NAME)
  if(NOT ${var})
    message(FATAL_ERROR "embed_file: ${var} is not set")
  endif()
endforeach()
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.new"
  "// Generated from ${INPUT} by cmake/embed_file.cmake; do not edit.\n"
  "#include <cstddef>\n\n"
  "namespace telqor {\n\n"
  "extern const unsigned char ${NAME}[] = {${bytes}};\n"
  "extern const size_t ${NAME}Size = ${size};\n\n"
  "}  // namespace telqor\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
