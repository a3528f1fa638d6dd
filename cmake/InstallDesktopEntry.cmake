# Runs at install time (cmake --install, with any --prefix and DESTDIR): writes
# the desktop entry with the full path of the installed program in Exec. A file
# manager or menu starts the program with a PATH of its own, which need not
# hold the prefix's bin/, so a bare program name would not be found.
#
# Set by the install step before this runs:
#   LARDERWISE_DESKTOP_TEMPLATE  the entry, with @LARDERWISE_EXEC@ for the program
#   LARDERWISE_DESKTOP_WORK      a file in the build tree to write it to first

get_filename_component(program "${CMAKE_INSTALL_PREFIX}/bin/larderwise" ABSOLUTE)
if(program MATCHES "[\n\r\t]")
  message(FATAL_ERROR "The desktop entry cannot name a program whose path holds a line break or tab: ${program}")
endif()

# The Desktop Entry Specification's Exec rules: a path holding a reserved
# character is quoted, with " ` $ and \ escaped inside the quotes; a literal %
# is written %%; and the value's own string escaping then doubles every
# backslash.
set(exec "${program}")
if(exec MATCHES "[ \"'\\\\><~|&;$*?#()`]")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" LARDERWISE_EXEC "${exec}")

configure_file("${LARDERWISE_DESKTOP_TEMPLATE}" "${LARDERWISE_DESKTOP_WORK}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${LARDERWISE_DESKTOP_WORK}" RENAME larderwise.desktop)
