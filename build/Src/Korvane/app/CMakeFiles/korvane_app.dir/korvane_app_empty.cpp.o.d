Src/Korvane/app/CMakeFiles/korvane_app.dir/korvane_app_empty.cpp.o: \
 /work/main/build/Src/Korvane/app/korvane_app_empty.cpp \
 /usr/include/stdc-predef.h
