Src/Korvane/platform/commonview/CMakeFiles/kvcommonview.dir/kvcommonview_autogen/mocs_compilation.cpp.o: \
 /work/main/build/Src/Korvane/platform/commonview/kvcommonview_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
