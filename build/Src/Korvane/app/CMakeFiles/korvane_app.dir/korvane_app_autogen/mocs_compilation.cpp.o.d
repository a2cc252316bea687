Src/Korvane/app/CMakeFiles/korvane_app.dir/korvane_app_autogen/mocs_compilation.cpp.o: \
 /work/main/build/Src/Korvane/app/korvane_app_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
