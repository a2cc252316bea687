file(REMOVE_RECURSE
  "CMakeFiles/korvane_app_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/korvane_app_autogen.dir/ParseCache.txt"
  "korvane_app_autogen"
  "CMakeFiles/korvane_app.dir/korvane_app_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/korvane_app.dir/korvane_app_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/korvane_app.dir/korvane_app_empty.cpp.o"
  "CMakeFiles/korvane_app.dir/korvane_app_empty.cpp.o.d"
  "libkorvane_app.a"
  "libkorvane_app.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/korvane_app.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
