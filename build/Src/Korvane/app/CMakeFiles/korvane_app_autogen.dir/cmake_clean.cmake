file(REMOVE_RECURSE
  "CMakeFiles/korvane_app_autogen"
  "korvane_app_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/korvane_app_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
