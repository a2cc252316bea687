file(REMOVE_RECURSE
  "CMakeFiles/korvane_autogen"
  "korvane_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/korvane_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
