# SdlIncludes.cmake -- fails when a source file outside the SDL backend, its tests, the
# benchmarks and the fuzz targets includes an SDL header, so that the engine, the game and the
# tools stay portable. Run by CTest: cmake -DSOURCE_DIR=<top of the sources> -P SdlIncludes.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(allowed "^(engine/platform/sdl|bench|fuzz|tests/platform/sdl)/")

# The files git tracks; a source tree without git is searched whole, its build folders aside.
find_package(Git QUIET)
set(listed 1)
if(GIT_EXECUTABLE)
  execute_process(COMMAND ${GIT_EXECUTABLE} ls-files -- "*.h" "*.hpp" "*.c" "*.cc" "*.cpp"
                  WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE files RESULT_VARIABLE listed
                  ERROR_QUIET)
  string(REPLACE "\n" ";" files "${files}")
endif()
if(NOT listed EQUAL 0)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
       ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.hpp ${SOURCE_DIR}/*.c ${SOURCE_DIR}/*.cc ${SOURCE_DIR}/*.cpp)
  list(FILTER files EXCLUDE REGEX "^build")
endif()

set(found "")
foreach(file ${files})
  if(file MATCHES "${allowed}")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]SDL")
  foreach(line ${lines})
    string(APPEND found "  ${file}: ${line}\n")
  endforeach()
endforeach()

if(found)
  message(FATAL_ERROR "SDL headers included outside engine/platform/sdl/:\n${found}")
endif()
list(LENGTH files count)
message(STATUS "no SDL header outside the backend in ${count} files")
