# Empty custom commands generated dependencies file for tst_kvbaselog_autogen.
# This may be replaced when dependencies are built.
