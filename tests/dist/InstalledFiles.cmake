# InstalledFiles.cmake -- writes the menu entry and the manual page as an install does, for a
# prefix that needs quoting and for a plain one, and checks the entry's command and that the
# manual describes exactly the options of the program's --help. Run by CTest:
#   cmake -DSOURCE_DIR=<sources> -DWORK=<scratch folder> -DPROGRAM=<curbside> -P InstalledFiles.cmake
foreach(name SOURCE_DIR WORK PROGRAM)
  if(NOT ${name})
    message(FATAL_ERROR "${name} is not set")
  endif()
endforeach()

set(dist_source ${SOURCE_DIR}/dist)
set(dist_output ${WORK})
set(dist_desktop test.desktop)
set(dist_bindir games)
set(dist_datadir share/games/curbside)
set(dist_docdir share/doc/curbside)
set(dist_datafrombin ../share/games/curbside)
set(dist_builddata "")
set(CURBSIDE_VERSION 0)
file(MAKE_DIRECTORY ${WORK})

# written <prefix> <expected Exec value>
function(written prefix expected)
  set(CMAKE_INSTALL_PREFIX "${prefix}")
  include(${dist_source}/Installed.cmake)
  file(STRINGS ${WORK}/test.desktop exec REGEX "^Exec=" LIMIT_COUNT 1)
  if(NOT exec STREQUAL "Exec=${expected} --from-menu")
    message(FATAL_ERROR "prefix '${prefix}': ${exec}")
  endif()
endfunction()

written("/usr" "/usr/games/curbside")
# Quoted for the space; in the file \" stands for the quoted argument's \", and \\$ for \$.
written("/opt/a b\"$%" "\"/opt/a b\\\\\"\\\\$%%/games/curbside\"")

# The options: those --help lists, and the tags of the manual's OPTIONS section.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n  --[a-z-]+" listed "${help}")
string(REPLACE "\n  " "" listed "${listed}")
file(READ ${WORK}/curbside.6 manual)
string(REGEX MATCH "\n\\.SH OPTIONS\n.*\n\\.SH CONTROLS\n" options "${manual}")
string(REGEX MATCHALL "\n\\.TP\n\\.BI? [^ \n]+" described "${options}")
string(REGEX REPLACE "\n\\.TP\n\\.BI? " "" described "${described}")
string(REPLACE "\\-" "-" described "${described}")
if(NOT listed OR NOT described STREQUAL listed)
  message(FATAL_ERROR "--help lists: ${listed}\nthe manual describes: ${described}")
endif()
message(STATUS "menu entries and manual written; options: ${described}")
