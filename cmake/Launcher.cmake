# Run by `cmake --install` and by cpack: writes the launcher with the program's
# path below the prefix of this install, which may differ from the one the
# build was configured with (cpack's /usr, `cmake --install --prefix`).
# Expects KOBUSATO_LAUNCHER_TEMPLATE, KOBUSATO_LAUNCHER_OUT and
# KOBUSATO_INSTALL_BINDIR; CMAKE_INSTALL_PREFIX is the install's own.
set(program "${CMAKE_INSTALL_PREFIX}/${KOBUSATO_INSTALL_BINDIR}/kobusato")
# A relative prefix is taken from the folder the install runs in, as the
# install itself takes it.
cmake_path(ABSOLUTE_PATH program NORMALIZE)
if(program MATCHES "[\n\r]")
  message(FATAL_ERROR "A launcher cannot name a program whose path holds a line break: ${program}")
endif()

# Exec is a command line: a path with a space or another reserved character is
# quoted, and inside the quotes ", `, $ and \ take a backslash. TryExec is a
# plain path. Both are then string values, whose own escape doubles every
# backslash; in Exec a % stands for itself only as %%.
set(exec "${program}")
if(exec MATCHES "[ \t\"'\\\\<>~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" KOBUSATO_LAUNCH "${exec}")
string(REPLACE "%" "%%" KOBUSATO_LAUNCH "${KOBUSATO_LAUNCH}")
string(REPLACE "\\" "\\\\" KOBUSATO_TRYEXEC "${program}")
configure_file("${KOBUSATO_LAUNCHER_TEMPLATE}" "${KOBUSATO_LAUNCHER_OUT}" @ONLY)
