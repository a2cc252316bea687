Src/Korvane/CMakeFiles/korvane.dir/main.cpp.o: \
 /work/main/Src/Korvane/main.cpp /usr/include/stdc-predef.h
