file(REMOVE_RECURSE
  "CMakeFiles/kvcore_autogen"
  "kvcore_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kvcore_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
