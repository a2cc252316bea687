file(REMOVE_RECURSE
  "CMakeFiles/kvos_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kvos_autogen.dir/ParseCache.txt"
  "kvos_autogen"
  "CMakeFiles/kvos.dir/KvFileLock.cpp.o"
  "CMakeFiles/kvos.dir/KvFileLock.cpp.o.d"
  "CMakeFiles/kvos.dir/kvos_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kvos.dir/kvos_autogen/mocs_compilation.cpp.o.d"
  "libkvos.a"
  "libkvos.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kvos.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
