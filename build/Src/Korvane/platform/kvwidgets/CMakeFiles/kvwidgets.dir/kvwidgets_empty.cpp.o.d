Src/Korvane/platform/kvwidgets/CMakeFiles/kvwidgets.dir/kvwidgets_empty.cpp.o: \
 /work/main/build/Src/Korvane/platform/kvwidgets/kvwidgets_empty.cpp \
 /usr/include/stdc-predef.h
