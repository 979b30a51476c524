# Installing the game (cmake --install) and packaging it (cpack -G DEB).
#
# The program goes to games/ and its data to share/games/kobusato/ below the
# prefix, where Debian keeps games and their data. The program finds its data
# from its own location through the relative path between the two, so a copy
# installed under any prefix finds it, and it never writes there: an installed
# game saves in the user's data folder.
include(GNUInstallDirs)

set(KOBUSATO_ID io.github.kobusato.Kobusato)
set(KOBUSATO_INSTALL_BINDIR games CACHE STRING "Where the program is installed, below the prefix")
set(KOBUSATO_INSTALL_DATADIR ${CMAKE_INSTALL_DATAROOTDIR}/games/kobusato
    CACHE STRING "Where the game data is installed, below the prefix")
file(RELATIVE_PATH KOBUSATO_DATA_FROM_PROGRAM
     ${CMAKE_INSTALL_PREFIX}/${KOBUSATO_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KOBUSATO_INSTALL_DATADIR})
target_compile_definitions(kobusato_core PRIVATE
  KOBUSATO_DATA_FROM_PROGRAM="${KOBUSATO_DATA_FROM_PROGRAM}")

# Icons, painted from the game's own drawing code.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/icongen ${CMAKE_BINARY_DIR}/tools/icongen)
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(ICON_OUTPUTS)
foreach(size 16 32 48 64 128 256)
  list(APPEND ICON_OUTPUTS ${ICON_DIR}/${size}x${size}/apps/${KOBUSATO_ID}.png)
endforeach()
add_custom_command(OUTPUT ${ICON_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:icongen> ${ICON_DIR}
  DEPENDS icongen ${CMAKE_SOURCE_DIR}/assets/art/icon.cpp
          ${CMAKE_SOURCE_DIR}/assets/art/character.cpp ${CMAKE_SOURCE_DIR}/assets/art/character_head.cpp
          ${CMAKE_SOURCE_DIR}/assets/art/character.h ${CMAKE_SOURCE_DIR}/assets/art/common.cpp
          ${CMAKE_SOURCE_DIR}/assets/art/text.cpp
  COMMENT "Painting the icons" VERBATIM)

set(DIST_DIR ${CMAKE_BINARY_DIR}/dist)
configure_file(${CMAKE_SOURCE_DIR}/dist/${KOBUSATO_ID}.metainfo.xml.in
               ${DIST_DIR}/${KOBUSATO_ID}.metainfo.xml @ONLY)

# The manual page and the change log go in compressed, without a time stamp,
# as Debian keeps them.
find_program(GZIP gzip REQUIRED)
foreach(f kobusato.6 changelog)
  add_custom_command(OUTPUT ${DIST_DIR}/${f}.gz
    COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/dist/${f} > ${DIST_DIR}/${f}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/dist/${f}
    COMMENT "Compressing ${f}")
endforeach()
add_custom_target(desktop ALL DEPENDS ${ICON_OUTPUTS} ${DIST_DIR}/kobusato.6.gz ${DIST_DIR}/changelog.gz)

install(TARGETS kobusato RUNTIME DESTINATION ${KOBUSATO_INSTALL_BINDIR})
install(FILES ${GAME_DIR}/Enemy.dat ${GAME_DIR}/Bukidata2.dat ${GAME_DIR}/Bougyo.dat
        DESTINATION ${KOBUSATO_INSTALL_DATADIR})
install(DIRECTORY ${GAME_DIR}/Midis ${GAME_DIR}/Bmps ${GAME_DIR}/Jpegs ${GAME_DIR}/translations
        DESTINATION ${KOBUSATO_INSTALL_DATADIR})
# The launcher names the program where this install puts it: the prefix is
# known only now (cpack installs below /usr, `cmake --install --prefix`
# anywhere), so the launcher is written by the install itself.
install(CODE "
  set(KOBUSATO_LAUNCHER_TEMPLATE [[${CMAKE_SOURCE_DIR}/dist/${KOBUSATO_ID}.desktop.in]])
  set(KOBUSATO_LAUNCHER_OUT [[${DIST_DIR}/installed/${KOBUSATO_ID}.desktop]])
  set(KOBUSATO_INSTALL_BINDIR [[${KOBUSATO_INSTALL_BINDIR}]])
  include([[${CMAKE_SOURCE_DIR}/cmake/Launcher.cmake]])")
install(FILES ${DIST_DIR}/installed/${KOBUSATO_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${DIST_DIR}/${KOBUSATO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(DIRECTORY ${ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${KOBUSATO_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${DIST_DIR}/kobusato.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${DIST_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kobusato)
# Read by lintian from the package (scripts/package.sh turns it on where lintian knows the
# tag it overrides); an install elsewhere has no use for it.
option(KOBUSATO_LINTIAN_OVERRIDES "install the package's lintian overrides" OFF)
if(KOBUSATO_LINTIAN_OVERRIDES)
  install(FILES ${CMAKE_SOURCE_DIR}/dist/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME kobusato)
endif()

# The Debian package: cpack -G DEB in a build configured with the prefix /usr.
set(CPACK_PACKAGE_NAME kobusato)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kobusato developers <kobusato@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fighting-tournament game in Japanese and English")
set(CPACK_PACKAGE_DESCRIPTION
    "A man has wrecked the computer he built at great cost and has no money for
a new one. He enters a martial-arts tournament whose prize is 50000 G. You
name him and fight the tournament's ten opponents in order, stopping running
numbers with a button, and spend the prize money in town between matches.
The game is in Japanese, with an English translation chosen in the game.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found at run time, not linked: the SoundFont, the Japanese faces, the Qt
# window system plugin and the Japanese button texts of the standard boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fluid-soundfont-gm | sf2-soundfont-gm, fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-qpa-plugins, qt6-translations-l10n")
# Qt's Wayland plugin is recommended, not required: under X (or XWayland) the
# game runs without it, and on a Wayland session it draws natively with it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation, fonts-motoya-l-maruberi")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
