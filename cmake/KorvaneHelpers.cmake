# korvane_add_library(<name> [PUBLIC libs...] [PRIVATE libs...])
#
# A static library made of every source below the calling folder. Callers
# include headers by class name ("KvConfig.h"), so a new file needs no CMake
# edit:
#   - every folder that holds a header is a PUBLIC include directory, except
#   - folders named "private" (and those below one): their headers are the
#     library's own, visible to its sources only.
# PUBLIC links are what the public headers need (dependents get them too);
# PRIVATE links are what only the sources use.
function(korvane_add_library name)
  cmake_parse_arguments(ARG "" "" "PUBLIC;PRIVATE" ${ARGN})
  file(GLOB_RECURSE _sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT _sources MATCHES "\\.cpp")
    # A folder of headers only (or still being filled): keep a real target so
    # that dependents link it like any other.
    set(_empty ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${_empty} "int ${name}_placeholder = 0;\n")
    list(APPEND _sources ${_empty})
  endif()
  add_library(${name} STATIC ${_sources})
  set(_public "")
  set(_private "")
  foreach(_f ${_sources})
    if(_f MATCHES "\\.h$")
      get_filename_component(_d ${_f} DIRECTORY)
      file(RELATIVE_PATH _rel ${CMAKE_CURRENT_SOURCE_DIR} ${_d})
      if(_rel MATCHES "(^|/)private(/|$)")
        list(APPEND _private ${_d})
      else()
        list(APPEND _public ${_d})
      endif()
    endif()
  endforeach()
  if(_public)
    list(REMOVE_DUPLICATES _public)
    target_include_directories(${name} PUBLIC ${_public})
  endif()
  if(_private)
    list(REMOVE_DUPLICATES _private)
    target_include_directories(${name} PRIVATE ${_private})
  endif()
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()

# korvane_add_test(<name> SOURCES files... [LIBS libs...] [LABEL unit|gui|e2e]
#                  [TIMEOUT seconds] [ENVIRONMENT VAR=value...])
#
# A QtTest executable registered with CTest. It runs on the offscreen platform
# unless ENVIRONMENT says otherwise, in its own temporary HOME and runtime
# directory so that no test touches the user's real files or another test's.
# Every test is built with tests/common/KvTestGuard.cpp, which refuses to run
# with a HOME that is not temporary (a test started from an IDE) and turns on
# QStandardPaths test mode. The temporary HOME is removed when the test
# passes and kept for a look when it fails.
function(korvane_add_test name)
  cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/common/KvTestGuard.cpp)
  target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVANE_TEST_BIN_DIR})
  target_compile_definitions(${name} PRIVATE
      KORVANE_BIN_DIR="${KORVANE_BIN_DIR}"
      KORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  # Under /tmp rather than the build tree: socket paths in the runtime
  # directory must stay short (108 bytes on Linux) wherever the tree is.
  string(MD5 _tree ${CMAKE_BINARY_DIR})
  string(SUBSTRING ${_tree} 0 8 _tree)
  set(_home /tmp/kvtest-${_tree}/${name})
  # A fresh HOME at every run; the runtime directory must exist and be private
  # before Qt looks at it.
  add_test(NAME ${name}
           COMMAND sh -c "rm -rf \"$0\" && mkdir -p \"$0/run\" && chmod 700 \"$0/run\" || exit 1; \"$@\"; rc=$?; [ $rc -ne 0 ] || rm -rf \"$0\"; exit $rc"
                   ${_home} ${CMAKE_COMMAND} -E env
                   HOME=${_home} XDG_CONFIG_HOME=${_home}/.config XDG_DATA_HOME=${_home}/.local/share
                   XDG_CACHE_HOME=${_home}/.cache XDG_RUNTIME_DIR=${_home}/run
                   QT_QPA_PLATFORM=offscreen
                   ${ARG_ENVIRONMENT}
                   $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABEL}" TIMEOUT ${ARG_TIMEOUT})
endfunction()
