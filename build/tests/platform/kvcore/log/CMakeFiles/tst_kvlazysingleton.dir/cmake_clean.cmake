file(REMOVE_RECURSE
  "../../../../tests-bin/tst_kvlazysingleton"
  "../../../../tests-bin/tst_kvlazysingleton.pdb"
  "CMakeFiles/tst_kvlazysingleton_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_kvlazysingleton_autogen.dir/ParseCache.txt"
  "tst_kvlazysingleton_autogen"
  "CMakeFiles/tst_kvlazysingleton.dir/tst_kvlazysingleton.cpp.o"
  "CMakeFiles/tst_kvlazysingleton.dir/tst_kvlazysingleton.cpp.o.d"
  "CMakeFiles/tst_kvlazysingleton.dir/tst_kvlazysingleton_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_kvlazysingleton.dir/tst_kvlazysingleton_autogen/mocs_compilation.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_kvlazysingleton.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
