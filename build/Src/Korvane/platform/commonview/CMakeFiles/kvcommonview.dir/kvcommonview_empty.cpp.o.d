Src/Korvane/platform/commonview/CMakeFiles/kvcommonview.dir/kvcommonview_empty.cpp.o: \
 /work/main/build/Src/Korvane/platform/commonview/kvcommonview_empty.cpp \
 /usr/include/stdc-predef.h
