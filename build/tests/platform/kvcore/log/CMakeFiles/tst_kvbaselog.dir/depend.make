# Empty dependencies file for tst_kvbaselog.
# This may be replaced when dependencies are built.
