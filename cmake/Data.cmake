# The Data folder sits beside the executable, so the program runs from the build tree.
# Shipped files are copied; the word list is made from the OpenTaal list of Debian's wdutch.
set(RAADKWARTET_DATA_DIR ${CMAKE_CURRENT_BINARY_DIR}/Data)
file(GLOB data_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/*)
set(data_outputs)
foreach(f ${data_files})
  get_filename_component(name ${f} NAME)
  add_custom_command(OUTPUT ${RAADKWARTET_DATA_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${RAADKWARTET_DATA_DIR}/${name}
    DEPENDS ${f} VERBATIM)
  list(APPEND data_outputs ${RAADKWARTET_DATA_DIR}/${name})
endforeach()

set(RAADKWARTET_WORDLIST_SOURCE /usr/share/dict/dutch CACHE FILEPATH "OpenTaal word list (Debian package wdutch)")
if(NOT EXISTS ${RAADKWARTET_WORDLIST_SOURCE})
  message(FATAL_ERROR "The Dutch word list ${RAADKWARTET_WORDLIST_SOURCE} is missing: install the Debian package 'wdutch' (apt-get install wdutch).")
endif()
# The converter uses the program's own Windows-1252 codec, so the list holds exactly what the program can read.
add_executable(make_wordlist scripts/make_wordlist.cpp)
target_link_libraries(make_wordlist PRIVATE raadkwartet_core)
add_custom_command(OUTPUT ${RAADKWARTET_DATA_DIR}/Nederlands.lib
  COMMAND make_wordlist ${RAADKWARTET_WORDLIST_SOURCE} ${RAADKWARTET_DATA_DIR}/Nederlands.lib
  DEPENDS ${RAADKWARTET_WORDLIST_SOURCE} make_wordlist
  COMMENT "Making Data/Nederlands.lib from the OpenTaal word list" VERBATIM)
list(APPEND data_outputs ${RAADKWARTET_DATA_DIR}/Nederlands.lib)
add_custom_target(raadkwartet_data ALL DEPENDS ${data_outputs})
add_dependencies(Raadkwartet raadkwartet_data)
