file(REMOVE_RECURSE
  "CMakeFiles/kvos_autogen"
  "kvos_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kvos_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
