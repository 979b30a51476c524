# Turns assets/ into the files the game reads, in the program folder. Nothing
# generated is kept in the source tree.

# Music: ABC sources compiled to standard MIDI files.
find_program(ABC2MIDI abc2midi REQUIRED)
file(GLOB MUSIC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/music/*.abc)
set(MUSIC_OUTPUTS)
foreach(abc ${MUSIC_SOURCES})
  get_filename_component(name ${abc} NAME_WE)
  set(mid ${GAME_DIR}/Midis/${name}.mid)
  add_custom_command(OUTPUT ${mid}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIR}/Midis
    COMMAND ${ABC2MIDI} ${abc} -o ${mid} -silent
    DEPENDS ${abc}
    COMMENT "Compiling music ${name}.abc"
    VERBATIM)
  list(APPEND MUSIC_OUTPUTS ${mid})
endforeach()
add_custom_target(music ALL DEPENDS ${MUSIC_OUTPUTS})
add_dependencies(kobusato music)

# The English translation: Qt Linguist's source in assets/translations, compiled
# by lrelease into translations/ of the program folder.
find_program(LRELEASE lrelease HINTS /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(LRELEASE NAMES lrelease-qt6 lrelease REQUIRED)
set(TRANSLATION_TS ${CMAKE_SOURCE_DIR}/assets/translations/kobusato_en.ts)
set(TRANSLATION_QM ${GAME_DIR}/translations/kobusato_en.qm)
add_custom_command(OUTPUT ${TRANSLATION_QM}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIR}/translations
  COMMAND ${CMAKE_COMMAND} -DLRELEASE=${LRELEASE} -DTS=${TRANSLATION_TS} -DQM=${TRANSLATION_QM}
          -P ${CMAKE_SOURCE_DIR}/cmake/Lrelease.cmake
  DEPENDS ${TRANSLATION_TS} ${CMAKE_SOURCE_DIR}/cmake/Lrelease.cmake
  COMMENT "Compiling the English translation" VERBATIM)
add_custom_target(translations ALL DEPENDS ${TRANSLATION_QM})
add_dependencies(kobusato translations)

# `cmake --build build --target update_translations` brings the .ts up to date
# with the texts in the code: new texts come in unfinished (and fail the build
# until translated), texts gone from the code go. No line numbers, so that the
# file changes only where a text does.
find_program(LUPDATE lupdate HINTS /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(LUPDATE NAMES lupdate-qt6 lupdate REQUIRED)
set(TRANSLATED_FOLDERS app battle character media platform shop state)
set(LUPDATE_ARGS -silent -I . -locations none -no-obsolete -source-language ja -target-language en
    ${TRANSLATED_FOLDERS})
add_custom_target(update_translations
  COMMAND ${LUPDATE} ${LUPDATE_ARGS} -ts ${TRANSLATION_TS}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)

# Tables: text sources compiled by tools that use the game's own record codecs.
set(DATA_OUTPUTS)
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/enemygen/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/enemygen ${CMAKE_BINARY_DIR}/tools/enemygen)
  add_custom_command(OUTPUT ${GAME_DIR}/Enemy.dat
    COMMAND enemygen ${CMAKE_SOURCE_DIR}/assets/data/enemies.tsv ${GAME_DIR}/Enemy.dat
    DEPENDS enemygen ${CMAKE_SOURCE_DIR}/assets/data/enemies.tsv
    COMMENT "Compiling the opponents" VERBATIM)
  list(APPEND DATA_OUTPUTS ${GAME_DIR}/Enemy.dat)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/upgradegen/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/upgradegen ${CMAKE_BINARY_DIR}/tools/upgradegen)
  add_custom_command(OUTPUT ${GAME_DIR}/Bukidata2.dat ${GAME_DIR}/Bougyo.dat
    COMMAND upgradegen ${CMAKE_SOURCE_DIR}/assets/data/weapons.tsv ${GAME_DIR}/Bukidata2.dat
    COMMAND upgradegen ${CMAKE_SOURCE_DIR}/assets/data/armour.tsv ${GAME_DIR}/Bougyo.dat
    DEPENDS upgradegen ${CMAKE_SOURCE_DIR}/assets/data/weapons.tsv
            ${CMAKE_SOURCE_DIR}/assets/data/armour.tsv
    COMMENT "Compiling the upgrade tables" VERBATIM)
  list(APPEND DATA_OUTPUTS ${GAME_DIR}/Bukidata2.dat ${GAME_DIR}/Bougyo.dat)
endif()
add_custom_target(gamedata ALL DEPENDS ${DATA_OUTPUTS})
add_dependencies(kobusato gamedata)
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/balance/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/balance ${CMAKE_BINARY_DIR}/tools/balance)
endif()

# Pictures: drawn by code in assets/art, painted at build time. The ending's
# pictures go to the program folder; the windows' own small pictures are
# compiled into the program as resources.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/artgen ${CMAKE_BINARY_DIR}/tools/artgen)
set(UI_DIR ${CMAKE_BINARY_DIR}/ui)
set(UI_PICTURES staff_image1 status_name status_hp status_attack_a status_attack_b
  status_defence_a status_defence_b status_g status_speed status_equipment
  battle_attack battle_defence battle_speed battle_enemy_attack battle_enemy_defence
  battle_enemy_speed power_image1 alloc_hp alloc_attack_a alloc_attack_b alloc_defence_a
  alloc_defence_b alloc_speed)
# The lettering also comes drawn for screens of twice the density.
foreach(p status_name status_hp status_attack_a status_attack_b status_defence_a
    status_defence_b status_g status_speed status_equipment alloc_hp alloc_attack_a
    alloc_attack_b alloc_defence_a alloc_defence_b alloc_speed)
  list(APPEND UI_PICTURES ${p}@2x)
endforeach()
set(FLIP_NAMES 2 3 4-5 5 7 9 10 11 12 13 14 15 16 17 18 19 20 21 22 24 25 26 27 28 29 30)
set(ART_OUTPUTS)
# Each also drawn at twice its size for dense screens, in 2x/ beside it.
foreach(n ${FLIP_NAMES})
  list(APPEND ART_OUTPUTS "${GAME_DIR}/Bmps/初期絵${n}.bmp" "${GAME_DIR}/Bmps/2x/初期絵${n}.png")
endforeach()
foreach(n 01 02 03 04 05 06 07 08 09 10 11)
  list(APPEND ART_OUTPUTS "${GAME_DIR}/Jpegs/背景画${n}.jpg" "${GAME_DIR}/Jpegs/2x/背景画${n}.png")
endforeach()
foreach(p ${UI_PICTURES})
  list(APPEND ART_OUTPUTS ${UI_DIR}/${p}.png)
endforeach()
# Pictures with Japanese lettering come painted in English too, in en/ beside
# each one; artgen finds which they are and lists the window pictures, both
# languages, in ui.qrc.
list(APPEND ART_OUTPUTS ${UI_DIR}/ui.qrc)
file(MAKE_DIRECTORY ${UI_DIR})
file(GLOB ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/art/*)
add_custom_command(OUTPUT ${ART_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:artgen> ${GAME_DIR} ${UI_DIR}
  DEPENDS artgen ${ART_SOURCES}
  COMMENT "Painting the pictures" VERBATIM)
add_custom_command(OUTPUT ${UI_DIR}/qrc_ui.cpp
  COMMAND Qt6::rcc --name ui -o ${UI_DIR}/qrc_ui.cpp ${UI_DIR}/ui.qrc
  DEPENDS ${ART_OUTPUTS}
  COMMENT "Compiling the window pictures" VERBATIM)
add_custom_target(art ALL DEPENDS ${ART_OUTPUTS})
target_sources(kobusato_core PRIVATE ${UI_DIR}/qrc_ui.cpp)
set_source_files_properties(${UI_DIR}/qrc_ui.cpp PROPERTIES GENERATED TRUE SKIP_AUTOGEN ON)

# The guide to the game, both languages in one file, compiled into the program
# (the README's "How to play" is its English half).
add_custom_command(OUTPUT ${UI_DIR}/qrc_help.cpp
  COMMAND Qt6::rcc --name help -o ${UI_DIR}/qrc_help.cpp ${CMAKE_SOURCE_DIR}/assets/help/help.qrc
  DEPENDS ${CMAKE_SOURCE_DIR}/assets/help/help.qrc ${CMAKE_SOURCE_DIR}/assets/help/how_to_play.md
  COMMENT "Compiling the guide" VERBATIM)
target_sources(kobusato_core PRIVATE ${UI_DIR}/qrc_help.cpp)
set_source_files_properties(${UI_DIR}/qrc_help.cpp PROPERTIES GENERATED TRUE SKIP_AUTOGEN ON)
