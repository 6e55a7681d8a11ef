# cmake --install puts everything into one self-contained folder: the program, its Data
# folder (the program writes its scores and settings beside itself, so the folder must
# be writable by the player), the icon and a freedesktop .desktop file pointing there.
install(TARGETS Raadkwartet RUNTIME DESTINATION .)
install(DIRECTORY ${RAADKWARTET_DATA_DIR}/ DESTINATION Data)
install(FILES resources/pictures/icon.png DESTINATION . RENAME raadkwartet.png OPTIONAL)
install(CODE [[
  set(dir "${CMAKE_INSTALL_PREFIX}")
  if(DEFINED ENV{DESTDIR})
    set(target "$ENV{DESTDIR}${dir}")
  else()
    set(target "${dir}")
  endif()
  file(WRITE "${target}/raadkwartet.desktop"
"[Desktop Entry]
Type=Application
Name=Raadkwartet
Comment=Nederlands woordraadspel: vind de drie trefwoorden
Exec=\"${dir}/Raadkwartet\"
Path=${dir}
Icon=${dir}/raadkwartet.png
Terminal=false
Categories=Game;LogicGame;
")
  message(STATUS "Installed: ${target}/raadkwartet.desktop")
]])

if(BUILD_TESTING)
  add_test(NAME Install-folder COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
    -DPREFIX=${CMAKE_BINARY_DIR}/install-check -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckInstall.cmake)
endif()
