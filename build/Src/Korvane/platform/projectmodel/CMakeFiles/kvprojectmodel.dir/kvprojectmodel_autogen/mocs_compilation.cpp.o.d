Src/Korvane/platform/projectmodel/CMakeFiles/kvprojectmodel.dir/kvprojectmodel_autogen/mocs_compilation.cpp.o: \
 /work/main/build/Src/Korvane/platform/projectmodel/kvprojectmodel_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
