# Runs at install time, when the prefix is known: the desktop entry names the installed program
# and icon by their full paths, so it works wherever the entry is copied to (a user's
# ~/.local/share/applications does not search an installation's own share/icons).
#
# Expects QUENDIX_DESKTOP_TEMPLATE (the .desktop.in file) and QUENDIX_DESKTOP_STAGING (a file in
# the build tree to write the entry to before it is installed).

# A desktop entry string: a backslash stands for itself only when doubled.
function(quendix_desktop_string text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# One quoted argument of the Exec key: quotes, backquotes, dollars and backslashes escaped, and
# a percent sign doubled so that it is not taken for a field code.
function(quendix_desktop_exec_argument text out)
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" text "${text}")
    string(REPLACE "%" "%%" text "${text}")
    quendix_desktop_string("\"${text}\"" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(program "${CMAKE_INSTALL_PREFIX}/bin/quendix")
quendix_desktop_string("${program}" QUENDIX_TRY_EXEC)
quendix_desktop_exec_argument("${program}" QUENDIX_EXEC)
quendix_desktop_string("${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/32x32/apps/quendix.png"
                       QUENDIX_ICON)
configure_file("${QUENDIX_DESKTOP_TEMPLATE}" "${QUENDIX_DESKTOP_STAGING}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${QUENDIX_DESKTOP_STAGING}")
