file(REMOVE_RECURSE
  "CMakeFiles/kvbasecore_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kvbasecore_autogen.dir/ParseCache.txt"
  "kvbasecore_autogen"
  "CMakeFiles/kvbasecore.dir/kvbasecore_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kvbasecore.dir/kvbasecore_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kvbasecore.dir/kvbasecore_empty.cpp.o"
  "CMakeFiles/kvbasecore.dir/kvbasecore_empty.cpp.o.d"
  "libkvbasecore.a"
  "libkvbasecore.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kvbasecore.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
