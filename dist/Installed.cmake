# Installed.cmake -- run by `cmake --install` (and so by CPack) before the files are copied:
# writes the menu entry and the manual page with the full paths of the program and its data
# under the prefix being installed to. The install rule in CMakeLists.txt sets the variables.
set(CURBSIDE_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/${dist_bindir}/curbside")

# The entry's command quotes the program only when its path holds a character that the desktop
# entry format reserves. Inside the quotes \ " ` and $ take a backslash, and the format's string
# escapes then double every backslash; % always doubles.
set(CURBSIDE_EXEC "${CURBSIDE_EXECUTABLE}")
if(NOT CURBSIDE_EXEC MATCHES "^[A-Za-z0-9/._+,:=@-]+$")
  string(REGEX REPLACE "([\\\"`$])" "\\\\\\1" CURBSIDE_EXEC "${CURBSIDE_EXEC}")
  string(REPLACE "\\" "\\\\" CURBSIDE_EXEC "\"${CURBSIDE_EXEC}\"")
endif()
string(REPLACE "%" "%%" CURBSIDE_EXEC "${CURBSIDE_EXEC}")
configure_file("${dist_source}/curbside.desktop.in" "${dist_output}/${dist_desktop}" @ONLY)

# The manual's paths, with roff's escape character escaped.
function(roff_path name value)
  string(REPLACE "\\" "\\e" value "${value}")
  set(${name} "${value}" PARENT_SCOPE)
endfunction()
roff_path(CURBSIDE_DATA_FOLDER "${CMAKE_INSTALL_PREFIX}/${dist_datadir}")
roff_path(CURBSIDE_DOC_FOLDER "${CMAKE_INSTALL_PREFIX}/${dist_docdir}")
roff_path(CURBSIDE_DATA_FROM_BIN "${dist_datafrombin}")
if(dist_builddata STREQUAL "")
  set(CURBSIDE_BUILD_DATA_NOTE ".\\\" A packaged program has no build data folder.")
else()
  roff_path(folder "${dist_builddata}")
  set(CURBSIDE_BUILD_DATA_NOTE
    "else from the data folder of the build it came from,\n.IR ${folder} ,\nwhile that exists,")
endif()
configure_file("${dist_source}/curbside.6.in" "${dist_output}/curbside.6" @ONLY)
execute_process(COMMAND gzip -9n -c "${dist_output}/curbside.6"
  OUTPUT_FILE "${dist_output}/curbside.6.gz" COMMAND_ERROR_IS_FATAL ANY)
