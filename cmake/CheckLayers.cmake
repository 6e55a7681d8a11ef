# Run at build time (cmake -P) for one folder: fails when a file there includes a project
# header from a folder it may not depend on. The folders form floors; each may include
# only its own and those below it, so a window never becomes a dependency of a service
# and the side windows never depend on the main window.
#   -DFOLDER=<folder> -DALLOWED=<folder;folder;...> -DSOURCE_DIR=<project> -DSTAMP=<file>
cmake_policy(SET CMP0057 NEW)
file(GLOB_RECURSE files "${SOURCE_DIR}/${FOLDER}/*.h" "${SOURCE_DIR}/${FOLDER}/*.cpp")
set(faults "")
foreach(file IN LISTS files)
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" target "${line}")
    if(NOT target STREQUAL FOLDER AND NOT target IN_LIST ALLOWED)
      file(RELATIVE_PATH where "${SOURCE_DIR}" "${file}")
      string(APPEND faults "\n  ${where}: ${line}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "${FOLDER}/ may include only ${ALLOWED}, not:${faults}")
endif()
file(TOUCH "${STAMP}")
