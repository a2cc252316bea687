file(REMOVE_RECURSE
  "../../bin/korvane"
  "../../bin/korvane.pdb"
  "CMakeFiles/korvane_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/korvane_autogen.dir/ParseCache.txt"
  "korvane_autogen"
  "CMakeFiles/korvane.dir/korvane_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/korvane.dir/korvane_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/korvane.dir/main.cpp.o"
  "CMakeFiles/korvane.dir/main.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/korvane.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
