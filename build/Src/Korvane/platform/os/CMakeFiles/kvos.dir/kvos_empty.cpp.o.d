Src/Korvane/platform/os/CMakeFiles/kvos.dir/kvos_empty.cpp.o: \
 /work/main/build/Src/Korvane/platform/os/kvos_empty.cpp \
 /usr/include/stdc-predef.h
