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
# It also writes the count of words the search window's title names; the window reads that
# file with the same code, compiled into the program.
add_executable(make_wordlist scripts/make_wordlist.cpp tools/wordcountfile.cpp tools/wordcountfile.h)
target_link_libraries(make_wordlist PRIVATE raadkwartet_game)
add_custom_command(OUTPUT ${RAADKWARTET_DATA_DIR}/Nederlands.lib ${RAADKWARTET_DATA_DIR}/Nederlands.count
  COMMAND make_wordlist ${RAADKWARTET_WORDLIST_SOURCE} ${RAADKWARTET_DATA_DIR}/Nederlands.lib
    ${RAADKWARTET_DATA_DIR}/Nederlands.count
  DEPENDS ${RAADKWARTET_WORDLIST_SOURCE} make_wordlist
  COMMENT "Making Data/Nederlands.lib and its word count from the OpenTaal word list" VERBATIM)
list(APPEND data_outputs ${RAADKWARTET_DATA_DIR}/Nederlands.lib ${RAADKWARTET_DATA_DIR}/Nederlands.count)
add_custom_target(raadkwartet_data ALL DEPENDS ${data_outputs})
add_dependencies(Raadkwartet raadkwartet_data)

# Draws the committed pictures anew. Not part of the build; after changing a drawing:
#   cmake --build <build> --target make_pictures && <build>/make_pictures <source folder>
add_executable(make_pictures EXCLUDE_FROM_ALL scripts/make_pictures.cpp)
target_link_libraries(make_pictures PRIVATE Qt6::Gui)

# The pictures reach the program and the tests through the static core library. Compiled
# into it by AUTORCC, the resource's initialiser is referenced by nothing, so the linker
# leaves it out and ":/pictures/..." finds nothing. qt_add_resources instead hands the
# compiled resource to everything that links the library. resources.qrc stays the one list.
set_source_files_properties(resources/resources.qrc PROPERTIES SKIP_AUTORCC ON)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/resources.qrc)
file(STRINGS resources/resources.qrc picture_files REGEX "<file>")
list(TRANSFORM picture_files REPLACE ".*<file>(.*)</file>.*" "resources/\\1")
qt_add_resources(raadkwartet_core raadkwartet_pictures PREFIX "/" BASE resources FILES ${picture_files})
