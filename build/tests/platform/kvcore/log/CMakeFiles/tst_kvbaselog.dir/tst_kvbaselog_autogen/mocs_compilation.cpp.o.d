tests/platform/kvcore/log/CMakeFiles/tst_kvbaselog.dir/tst_kvbaselog_autogen/mocs_compilation.cpp.o: \
 /work/main/build/tests/platform/kvcore/log/tst_kvbaselog_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
