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
