file(REMOVE_RECURSE
  "../../../../tests-bin/tst_kvbaselog"
  "../../../../tests-bin/tst_kvbaselog.pdb"
  "CMakeFiles/tst_kvbaselog_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_kvbaselog_autogen.dir/ParseCache.txt"
  "tst_kvbaselog_autogen"
  "CMakeFiles/tst_kvbaselog.dir/tst_kvbaselog.cpp.o"
  "CMakeFiles/tst_kvbaselog.dir/tst_kvbaselog.cpp.o.d"
  "CMakeFiles/tst_kvbaselog.dir/tst_kvbaselog_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_kvbaselog.dir/tst_kvbaselog_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_kvbaselog.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
