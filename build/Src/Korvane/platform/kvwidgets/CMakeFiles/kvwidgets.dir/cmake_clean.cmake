file(REMOVE_RECURSE
  "CMakeFiles/kvwidgets_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kvwidgets_autogen.dir/ParseCache.txt"
  "kvwidgets_autogen"
  "CMakeFiles/kvwidgets.dir/kvwidgets_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kvwidgets.dir/kvwidgets_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kvwidgets.dir/kvwidgets_empty.cpp.o"
  "CMakeFiles/kvwidgets.dir/kvwidgets_empty.cpp.o.d"
  "libkvwidgets.a"
  "libkvwidgets.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kvwidgets.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
