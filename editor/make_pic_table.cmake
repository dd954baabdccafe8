# Writes the editor's picture table (name and hot point of each picture, in
# the picture table's order) as C++ rows: cmake -DIN=table -DOUT=file -P this.
file(STRINGS ${IN} lines)
set(rows "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([a-z0-9_]+) +(-?[0-9]+) +(-?[0-9]+) ")
    string(APPEND rows "{\"${CMAKE_MATCH_1}\", ${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}},\n")
  endif()
endforeach()
file(WRITE ${OUT}.tmp "// Generated from the picture table; do not edit.\n${rows}")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
