file(REMOVE_RECURSE
  "CMakeFiles/kvwidgets_autogen"
  "kvwidgets_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kvwidgets_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
