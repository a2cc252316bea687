Src/Korvane/platform/kvcore/CMakeFiles/kvcore.dir/kvcore_autogen/mocs_compilation.cpp.o: \
 /work/main/build/Src/Korvane/platform/kvcore/kvcore_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
