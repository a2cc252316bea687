Src/Korvane/CMakeFiles/korvane.dir/korvane_autogen/mocs_compilation.cpp.o: \
 /work/main/build/Src/Korvane/korvane_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
