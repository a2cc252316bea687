file(REMOVE_RECURSE
  "CMakeFiles/kvcore_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kvcore_autogen.dir/ParseCache.txt"
  "kvcore_autogen"
  "CMakeFiles/kvcore.dir/foundation/KvLazySingletonManager.cpp.o"
  "CMakeFiles/kvcore.dir/foundation/KvLazySingletonManager.cpp.o.d"
  "CMakeFiles/kvcore.dir/foundation/KvPaths.cpp.o"
  "CMakeFiles/kvcore.dir/foundation/KvPaths.cpp.o.d"
  "CMakeFiles/kvcore.dir/kvcore_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kvcore.dir/kvcore_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kvcore.dir/log/KvBaseLog.cpp.o"
  "CMakeFiles/kvcore.dir/log/KvBaseLog.cpp.o.d"
  "libkvcore.a"
  "libkvcore.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kvcore.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
