file(REMOVE_RECURSE
  "CMakeFiles/kvprojectmodel_autogen"
  "kvprojectmodel_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kvprojectmodel_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
