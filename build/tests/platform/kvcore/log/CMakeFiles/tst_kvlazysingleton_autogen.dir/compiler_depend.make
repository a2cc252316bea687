# Empty custom commands generated dependencies file for tst_kvlazysingleton_autogen.
# This may be replaced when dependencies are built.
