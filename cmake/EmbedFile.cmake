# Turns a data file into a C++ source holding its bytes, so the programs carry
# their string tables and art inside them. Run as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}"
"#include <cstddef>\n"
"extern const unsigned char ${SYMBOL}[] = {${bytes} 0x00};\n"
"extern const std::size_t ${SYMBOL}_size = ${size};\n")
