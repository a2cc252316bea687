Src/Korvane/platform/os/CMakeFiles/kvos.dir/kvos_autogen/mocs_compilation.cpp.o: \
 /work/main/build/Src/Korvane/platform/os/kvos_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
