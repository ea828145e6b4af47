# Checks the export table of the built library: exactly the ordinals of
# Tavelhook.exports, every one by ordinal only (no name table).
# Usage: cmake -DOBJDUMP=... -DDLL=... -DEXPORTS=... -P check_export_table.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump -p ${DLL} failed (${rc})")
endif()

file(STRINGS ${EXPORTS} lines REGEX "^[0-9]")
set(expected "")
foreach(line IN LISTS lines)
  string(REGEX MATCH "^[0-9]+" ordinal "${line}")
  list(APPEND expected ${ordinal})
endforeach()

string(REGEX MATCHALL "\\+base\\[ *[0-9]+\\]" entries "${dump}")
set(actual "")
foreach(entry IN LISTS entries)
  string(REGEX MATCH "[0-9]+" ordinal "${entry}")
  list(APPEND actual ${ordinal})
endforeach()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "exported ordinals\n  ${actual}\nexpected\n  ${expected}")
endif()

string(REGEX MATCH "\\[Name Pointer/Ordinal\\] Table[ \t]+([0-9a-fA-F]+)" names "${dump}")
if(NOT names OR NOT CMAKE_MATCH_1 MATCHES "^0+$")
  message(FATAL_ERROR "the library exports names: '${names}'")
endif()
list(LENGTH actual count)
message(STATUS "${count} exports, ordinals ${expected}, no names")
