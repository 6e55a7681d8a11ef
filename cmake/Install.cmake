# cmake --install puts everything into one self-contained, writable folder.
install(TARGETS Raadkwartet RUNTIME DESTINATION .)
install(DIRECTORY ${RAADKWARTET_DATA_DIR}/ DESTINATION Data)
