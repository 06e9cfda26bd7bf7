cmake_minimum_required(VERSION 3.25)
# Fails unless the library exports exactly its interface: every C entry named
# in HEADER, the exported C++ names, and nothing else.
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()

set(allowed
  "^PORTKIT_[0-9]+(\\.[0-9]+)?$"
  "^portkit_[a-z0-9_]+$"
  "^_ZN7CSerial"
  "^_ZNK7CSerial"
  "^_ZN11CLogMessage"
  "^_Z9SetupPortPKcPv$"
  "^_Z13GetRegComPortPKc$"
  "^_Z16SetPortkitPromptPN8platform6PromptE$"
  "^_Z4SortPvR11SortOptions$"
  "^_Z10ImportDataRK16ImportDataStructPKPKcPKiS3_PFvPviiE$"
  "^_Z16ImportAssignmentv$"
  "^_Z16SetImportCounterPFvPvPKviiiPKiiPciES_$")

string(REPLACE "\n" ";" lines "${listing}")
set(exported "")
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  string(REGEX REPLACE "^.* " "" symbol "${line}")
  # Entries added after the first interface carry the later version node.
  if(symbol MATCHES "^portkit_serial_(descriptor|available|wait|drain)@" AND NOT symbol MATCHES "@@PORTKIT_2\\.1$")
    message(SEND_ERROR "added entry without its version node: ${symbol}")
  endif()
  if(symbol MATCHES "^(portkit_import_assignment|_Z16ImportAssignmentv)@" AND NOT symbol MATCHES "@@PORTKIT_2\\.2$")
    message(SEND_ERROR "added entry without its version node: ${symbol}")
  endif()
  if(symbol MATCHES "^(portkit_set_import_counter|_Z16SetImportCounter)" AND NOT symbol MATCHES "@@PORTKIT_2\\.3$")
    message(SEND_ERROR "added entry without its version node: ${symbol}")
  endif()
  string(REGEX REPLACE "@.*$" "" symbol "${symbol}")
  list(APPEND exported "${symbol}")
  set(ok FALSE)
  foreach(pattern IN LISTS allowed)
    if(symbol MATCHES "${pattern}")
      set(ok TRUE)
    endif()
  endforeach()
  if(NOT ok)
    message(SEND_ERROR "exported but not part of the interface: ${symbol}")
  endif()
endforeach()

file(READ ${HEADER} header)
string(REGEX MATCHALL "[ *]portkit_[a-z0-9_]+\\(" entries "${header}")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^[ *](.*)\\($" "\\1" name "${entry}")
  if(NOT name IN_LIST exported)
    message(SEND_ERROR "declared in the C header but not exported: ${name}")
  endif()
endforeach()
list(LENGTH entries count)
message(STATUS "${count} C entries checked")
