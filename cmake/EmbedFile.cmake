# Writes IN's bytes as a C array named lexora_resource_NAME, with its size,
# for the builds that have no Windows resources (see platform/).
file(READ ${IN} _hex HEX)
string(LENGTH "${_hex}" _len)
math(EXPR _size "${_len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" _bytes "${_bytes}")
file(WRITE ${OUT} "// Generated from ${IN}; do not edit.\n"
  "#include <cstddef>\n"
  "extern \"C\" const unsigned char lexora_resource_${NAME}[] = {\n${_bytes}\n};\n"
  "extern \"C\" const std::size_t lexora_resource_${NAME}_size = ${_size};\n")
