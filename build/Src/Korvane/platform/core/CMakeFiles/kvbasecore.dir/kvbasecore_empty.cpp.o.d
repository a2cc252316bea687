Src/Korvane/platform/core/CMakeFiles/kvbasecore.dir/kvbasecore_empty.cpp.o: \
 /work/main/build/Src/Korvane/platform/core/kvbasecore_empty.cpp \
 /usr/include/stdc-predef.h
