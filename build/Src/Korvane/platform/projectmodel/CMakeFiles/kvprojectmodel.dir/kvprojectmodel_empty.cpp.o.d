Src/Korvane/platform/projectmodel/CMakeFiles/kvprojectmodel.dir/kvprojectmodel_empty.cpp.o: \
 /work/main/build/Src/Korvane/platform/projectmodel/kvprojectmodel_empty.cpp \
 /usr/include/stdc-predef.h
