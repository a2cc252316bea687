file(REMOVE_RECURSE
  "CMakeFiles/kvprojectmodel_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kvprojectmodel_autogen.dir/ParseCache.txt"
  "kvprojectmodel_autogen"
  "CMakeFiles/kvprojectmodel.dir/kvprojectmodel_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kvprojectmodel.dir/kvprojectmodel_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kvprojectmodel.dir/kvprojectmodel_empty.cpp.o"
  "CMakeFiles/kvprojectmodel.dir/kvprojectmodel_empty.cpp.o.d"
  "libkvprojectmodel.a"
  "libkvprojectmodel.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kvprojectmodel.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
