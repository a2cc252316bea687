file(REMOVE_RECURSE
  "CMakeFiles/kvbasecore_autogen"
  "kvbasecore_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kvbasecore_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
