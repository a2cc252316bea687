Src/Korvane/platform/core/CMakeFiles/kvbasecore.dir/kvbasecore_autogen/mocs_compilation.cpp.o: \
 /work/main/build/Src/Korvane/platform/core/kvbasecore_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
