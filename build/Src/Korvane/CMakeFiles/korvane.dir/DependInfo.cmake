
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build/Src/Korvane/korvane_autogen/mocs_compilation.cpp" "Src/Korvane/CMakeFiles/korvane.dir/korvane_autogen/mocs_compilation.cpp.o" "gcc" "Src/Korvane/CMakeFiles/korvane.dir/korvane_autogen/mocs_compilation.cpp.o.d"
  "/work/main/Src/Korvane/main.cpp" "Src/Korvane/CMakeFiles/korvane.dir/main.cpp.o" "gcc" "Src/Korvane/CMakeFiles/korvane.dir/main.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/Src/Korvane/app/CMakeFiles/korvane_app.dir/DependInfo.cmake"
  "/work/main/build/Src/Korvane/platform/core/CMakeFiles/kvbasecore.dir/DependInfo.cmake"
  "/work/main/build/Src/Korvane/platform/commonview/CMakeFiles/kvcommonview.dir/DependInfo.cmake"
  "/work/main/build/Src/Korvane/platform/projectmodel/CMakeFiles/kvprojectmodel.dir/DependInfo.cmake"
  "/work/main/build/Src/Korvane/platform/kvwidgets/CMakeFiles/kvwidgets.dir/DependInfo.cmake"
  "/work/main/build/Src/Korvane/platform/kvcore/CMakeFiles/kvcore.dir/DependInfo.cmake"
  "/work/main/build/Src/Korvane/platform/os/CMakeFiles/kvos.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
