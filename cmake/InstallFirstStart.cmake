# Runs at the end of `cmake --install`, after the folder's files are in place.
# Expects PELLORI_VERSION, PELLORI_WEB_HOST, PELLORI_WEB_NAME,
# PELLORI_INSTALL_DEMO, PELLORI_LANGUAGE, PELLORI_ISQL, PELLORI_SOURCE_DIR and PELLORI_BINARY_DIR
# from the install rule before it.
#
# 1. What a first start needs, each only when missing: PELLORI.QVX and
#    Pellori.ini, made by the installed scripts/make-demo.sh (temporary name,
#    moved into place when complete; an existing file is never touched).
# 2. The menu entry and the icon under $XDG_DATA_HOME (default
#    ~/.local/share), the entry naming the installed program by its absolute
#    path and offering it for vCard files; the software centres' description
#    under share/metainfo. A test redirects them by setting XDG_DATA_HOME.

set(_folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

if(PELLORI_INSTALL_DEMO)
  set(_book "")
  set(_kind "demo")
else()
  set(_book "--empty")
  set(_kind "empty")
endif()
message(STATUS "First start (${_kind} address book): ${_folder}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "ISQL_FB=${PELLORI_ISQL}"
          bash "${_folder}/scripts/make-demo.sh" ${_book} "${_folder}"
  RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "Could not make the address book or configuration in ${_folder}")
endif()

# The chosen language (configured, or PELLORI_LANGUAGE in the environment of
# the install): its file as Pellori.lang, unless the folder has one, which may
# be the user's own.
if(DEFINED ENV{PELLORI_LANGUAGE})
  set(PELLORI_LANGUAGE "$ENV{PELLORI_LANGUAGE}")
endif()
if(PELLORI_LANGUAGE)
  set(_lang "${_folder}/Pellori-${PELLORI_LANGUAGE}.lang")
  if(NOT EXISTS "${_lang}")
    message(FATAL_ERROR "No language file Pellori-${PELLORI_LANGUAGE}.lang to install (PELLORI_LANGUAGE)")
  endif()
  if(NOT EXISTS "${_folder}/Pellori.lang")
    file(COPY_FILE "${_lang}" "${_folder}/Pellori.lang")
    message(STATUS "Language: ${_folder}/Pellori.lang (${PELLORI_LANGUAGE})")
  endif()
endif()

# Only an absolute XDG_DATA_HOME counts; anything else falls back to the default.
set(_data "$ENV{XDG_DATA_HOME}")
if(NOT IS_ABSOLUTE "${_data}")
  set(_data "$ENV{HOME}/.local/share")
endif()

# Exec takes the program as one quoted argument: inside the quotes ", `, $
# and \ are escaped with a backslash, which the file's string escaping then
# doubles; % is written %%. TryExec is a plain string.
set(_program "${CMAKE_INSTALL_PREFIX}/pellori")
if(_program MATCHES "\n")
  message(FATAL_ERROR "A menu entry cannot name a folder whose path holds a line break: ${_program}")
endif()
string(REPLACE "\\" "\\\\" PELLORI_DESKTOP_TRYEXEC "${_program}")
set(_exec "${_program}")
string(REPLACE "\\" "\\\\\\\\" _exec "${_exec}")
string(REPLACE "\"" "\\\\\"" _exec "${_exec}")
string(REPLACE "`" "\\\\`" _exec "${_exec}")
string(REPLACE "$" "\\\\$" _exec "${_exec}")
string(REPLACE "%" "%%" _exec "${_exec}")
set(PELLORI_DESKTOP_EXEC "\"${_exec}\"")
if(_program MATCHES "%")
  # GLib looks for the program before it reads %% as %, and then hides the entry.
  message(WARNING "GNOME and other GLib-based menus will not start a program whose path holds %: ${_program}")
endif()

# file(INSTALL) puts DESTDIR in front by itself.
set(_staged "${PELLORI_BINARY_DIR}/desktop/pellori.desktop")
configure_file("${PELLORI_SOURCE_DIR}/cmake/pellori.desktop.in" "${_staged}" @ONLY)
file(INSTALL "${_staged}" DESTINATION "${_data}/applications")
file(INSTALL "${PELLORI_SOURCE_DIR}/resources/pictures/pellori.svg"
     DESTINATION "${_data}/icons/hicolor/scalable/apps")

# The software centres read the description from the metainfo folder beside
# the applications folder; its id is the vendor's domain reversed.
string(REPLACE "." ";" _domain "${PELLORI_WEB_NAME}")
list(REVERSE _domain)
list(JOIN _domain "." _domain)
set(PELLORI_APPSTREAM_ID "${_domain}.pellori")
set(_metainfo "${PELLORI_BINARY_DIR}/desktop/${PELLORI_APPSTREAM_ID}.metainfo.xml")
configure_file("${PELLORI_SOURCE_DIR}/cmake/pellori.metainfo.xml.in" "${_metainfo}" @ONLY)
file(INSTALL "${_metainfo}" DESTINATION "${_data}/metainfo")

# The entry offers Pellori for vCard files ("Open with"): the folder's MIME
# cache lists it for their types. Pellori does not make itself their default
# program; that stays the user's choice.
find_program(_update_desktop update-desktop-database)
if(_update_desktop)
  execute_process(COMMAND "${_update_desktop}" -q "$ENV{DESTDIR}${_data}/applications")
else()
  message(STATUS "update-desktop-database (desktop-file-utils) not found: \"Open with\" may not offer Pellori "
                 "for vCard files until the desktop reads ${_data}/applications again")
endif()

# A desktop that keeps an icon cache for this folder would not see the new
# icon until the cache is rebuilt.
if(EXISTS "$ENV{DESTDIR}${_data}/icons/hicolor/icon-theme.cache")
  find_program(_update_icons gtk-update-icon-cache)
  if(_update_icons)
    execute_process(COMMAND "${_update_icons}" -q -t -f "$ENV{DESTDIR}${_data}/icons/hicolor")
  endif()
endif()
