# korvane_add_library(<name> [PUBLIC libs...] [PRIVATE libs...])
#
# A static library made of every source below the calling folder. Every folder
# that holds a header becomes a public include directory, so callers include
# headers by class name ("KvConfig.h") and a new file needs no CMake edit.
function(korvane_add_library name)
  cmake_parse_arguments(ARG "" "" "PUBLIC;PRIVATE" ${ARGN})
  file(GLOB_RECURSE _sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT _sources MATCHES "\\.cpp")
    # A folder still being filled: keep the target so dependents link.
    set(_empty ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${_empty} "namespace { int ${name}_empty; }\n")
    list(APPEND _sources ${_empty})
  endif()
  add_library(${name} STATIC ${_sources})
  set(_dirs "")
  foreach(_f ${_sources})
    if(_f MATCHES "\\.h$")
      get_filename_component(_d ${_f} DIRECTORY)
      list(APPEND _dirs ${_d})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES _dirs)
  target_include_directories(${name} PUBLIC ${_dirs})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()

# korvane_add_test(<name> SOURCES files... [LIBS libs...] [LABEL unit|gui|e2e]
#                  [TIMEOUT seconds] [ENVIRONMENT VAR=value...])
#
# A QtTest executable registered with CTest. It runs on the offscreen platform
# unless ENVIRONMENT says otherwise, in its own temporary HOME and runtime
# directory so that no test touches the user's real files or another test's.
function(korvane_add_test name)
  cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${name} ${ARG_SOURCES})
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
           COMMAND sh -c "rm -rf \"$0\" && mkdir -p \"$0/run\" && chmod 700 \"$0/run\" && exec \"$@\""
                   ${_home} ${CMAKE_COMMAND} -E env
                   HOME=${_home} XDG_CONFIG_HOME=${_home}/.config XDG_DATA_HOME=${_home}/.local/share
                   XDG_CACHE_HOME=${_home}/.cache XDG_RUNTIME_DIR=${_home}/run
                   QT_QPA_PLATFORM=offscreen
                   ${ARG_ENVIRONMENT}
                   $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABEL}" TIMEOUT ${ARG_TIMEOUT})
endfunction()
