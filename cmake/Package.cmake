# The Debian package (cpack -G DEB) lays the game out as a system install: the program in
# /usr/games (Debian's policy for the section games; lintian makes it an error otherwise),
# the shipped Data read-only in /usr/share/raadkwartet/Data. With no Data folder beside it,
# the program finds the shipped one at <program folder>/../share/raadkwartet/Data and keeps
# each player's settings, scores and puzzles in the player's own home.
#
# These rules form the install component "deb" and are EXCLUDE_FROM_ALL, so a plain
# `cmake --install` (the folder install of Install.cmake) never sees them, and CPack installs
# that component alone (CPACK_INSTALL_CMAKE_PROJECTS below), so the folder rules never reach
# the package. One configure serves both.
set(RAADKWARTET_APP_ID nl.raadkwartet.Raadkwartet)
set(packaging_dir ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(packaging_build_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# Debian wants the changelog and man page compressed at the highest level and without a
# time stamp (-n), so the package comes out the same at every build. They are made at
# configure time because cpack installs without building. gzip is Essential in Debian.
find_program(RAADKWARTET_GZIP gzip REQUIRED)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${packaging_dir}/changelog ${packaging_dir}/raadkwartet.6 ${packaging_dir}/copyright
  ${CMAKE_CURRENT_SOURCE_DIR}/data/LICENSE.OpenTaal)
file(MAKE_DIRECTORY ${packaging_build_dir})
# The man page's header names the version.
configure_file(${packaging_dir}/raadkwartet.6 ${packaging_build_dir}/raadkwartet.6 @ONLY)
foreach(source ${packaging_dir}/changelog ${packaging_build_dir}/raadkwartet.6)
  get_filename_component(name ${source} NAME)
  execute_process(COMMAND ${RAADKWARTET_GZIP} -9nc ${source}
    OUTPUT_FILE ${packaging_build_dir}/${name}.gz RESULT_VARIABLE gzip_result)
  if(NOT gzip_result EQUAL 0)
    message(FATAL_ERROR "gzip of packaging/${name} failed: ${gzip_result}")
  endif()
endforeach()
# Debian keeps every licence of a package in one copyright file: the game's own notice,
# then the word list's attribution and licences as they ship beside the list.
file(READ ${packaging_dir}/copyright copyright_head)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/data/LICENSE.OpenTaal copyright_wordlist)
file(WRITE ${packaging_build_dir}/copyright "${copyright_head}${copyright_wordlist}")

set(deb COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS Raadkwartet RUNTIME DESTINATION games ${deb})
# Commands on Linux are lower case; the target keeps its name for the folder install.
install(CODE [[
  set(games "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/games")
  file(RENAME "${games}/Raadkwartet" "${games}/raadkwartet")
]] ${deb})
# Only the files the build ships: a Data folder used by a run from the build tree also holds
# that run's scores and backups.
install(FILES ${data_outputs} DESTINATION share/raadkwartet/Data ${deb})
install(FILES packaging/icons/raadkwartet-48.png DESTINATION share/icons/hicolor/48x48/apps
  RENAME ${RAADKWARTET_APP_ID}.png ${deb})
install(FILES packaging/icons/raadkwartet-128.png DESTINATION share/icons/hicolor/128x128/apps
  RENAME ${RAADKWARTET_APP_ID}.png ${deb})
install(FILES resources/pictures/icon.png DESTINATION share/icons/hicolor/256x256/apps
  RENAME ${RAADKWARTET_APP_ID}.png ${deb})
install(FILES packaging/${RAADKWARTET_APP_ID}.desktop DESTINATION share/applications ${deb})
install(FILES packaging/${RAADKWARTET_APP_ID}.metainfo.xml DESTINATION share/metainfo ${deb})
install(FILES ${packaging_build_dir}/raadkwartet.6.gz DESTINATION share/man/man6 ${deb})
install(FILES ${packaging_build_dir}/changelog.gz ${packaging_build_dir}/copyright
  DESTINATION share/doc/raadkwartet ${deb})

set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};deb;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_NAME raadkwartet)
# The program's own version, as its About window shows it.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Seed 8a2de543 maintainers <maintainers@users.noreply.c-seed-8a2de543.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dutch word puzzle: find three keywords against the clock")
set(CPACK_PACKAGE_DESCRIPTION
"Raadkwartet is a Dutch word puzzle. Each round hides three keywords;
every keyword is pointed to by four descriptions, so twelve
descriptions lie on the board. Type the keywords before the time runs out;
the score goes into a high-score list.

Nederlandse woordpuzzel: vind de drie trefwoorden tegen de klok. Met een
editor voor de puzzels, zoeken in een Nederlandse woordenlijst en een lijst
met spreekwoorden.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries the program links: the board is laid out for Arial's measures, which
# Liberation Sans has, and Qt's own buttons (Ja, Nee, Annuleren) are Dutch only with Qt's
# translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Packages come from the build as shipped; the sanitizer build would make one that needs the
# sanitizer runtimes.
if(BUILD_TESTING AND NOT RAADKWARTET_SANITIZE)
  add_test(NAME Package-deb COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/package/check-deb.sh
    ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR}/package-check ${CMAKE_CPACK_COMMAND})
  set_tests_properties(Package-deb PROPERTIES TIMEOUT 600)
endif()
