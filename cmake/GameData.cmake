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
