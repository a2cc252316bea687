file(REMOVE_RECURSE
  "CMakeFiles/kvcommonview_autogen"
  "kvcommonview_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kvcommonview_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
