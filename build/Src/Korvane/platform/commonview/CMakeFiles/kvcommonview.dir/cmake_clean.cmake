file(REMOVE_RECURSE
  "CMakeFiles/kvcommonview_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kvcommonview_autogen.dir/ParseCache.txt"
  "kvcommonview_autogen"
  "CMakeFiles/kvcommonview.dir/kvcommonview_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kvcommonview.dir/kvcommonview_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kvcommonview.dir/kvcommonview_empty.cpp.o"
  "CMakeFiles/kvcommonview.dir/kvcommonview_empty.cpp.o.d"
  "libkvcommonview.a"
  "libkvcommonview.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kvcommonview.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
