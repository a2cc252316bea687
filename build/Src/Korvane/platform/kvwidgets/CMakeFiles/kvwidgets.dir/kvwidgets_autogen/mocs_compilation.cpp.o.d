Src/Korvane/platform/kvwidgets/CMakeFiles/kvwidgets.dir/kvwidgets_autogen/mocs_compilation.cpp.o: \
 /work/main/build/Src/Korvane/platform/kvwidgets/kvwidgets_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
