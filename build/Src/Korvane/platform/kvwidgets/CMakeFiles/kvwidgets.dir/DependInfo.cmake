
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build/Src/Korvane/platform/kvwidgets/kvwidgets_autogen/mocs_compilation.cpp" "Src/Korvane/platform/kvwidgets/CMakeFiles/kvwidgets.dir/kvwidgets_autogen/mocs_compilation.cpp.o" "gcc" "Src/Korvane/platform/kvwidgets/CMakeFiles/kvwidgets.dir/kvwidgets_autogen/mocs_compilation.cpp.o.d"
  "/work/main/build/Src/Korvane/platform/kvwidgets/kvwidgets_empty.cpp" "Src/Korvane/platform/kvwidgets/CMakeFiles/kvwidgets.dir/kvwidgets_empty.cpp.o" "gcc" "Src/Korvane/platform/kvwidgets/CMakeFiles/kvwidgets.dir/kvwidgets_empty.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/Src/Korvane/platform/kvcore/CMakeFiles/kvcore.dir/DependInfo.cmake"
  "/work/main/build/Src/Korvane/platform/os/CMakeFiles/kvos.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
