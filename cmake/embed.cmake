# Turns a data file into a C++ source that defines `extern const std::string_view SYMBOL`.
# Run as: cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}"
  "// Generated from ${INPUT}; do not edit.\n#include <string_view>\n"
  "static const char data[] = {${bytes} 0};\n"
  "extern const std::string_view ${SYMBOL}(data, sizeof data - 1);\n")
