tests/platform/kvcore/log/CMakeFiles/tst_kvlazysingleton.dir/tst_kvlazysingleton_autogen/mocs_compilation.cpp.o: \
 /work/main/build/tests/platform/kvcore/log/tst_kvlazysingleton_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
