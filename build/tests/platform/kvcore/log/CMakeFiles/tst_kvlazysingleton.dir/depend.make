# Empty dependencies file for tst_kvlazysingleton.
# This may be replaced when dependencies are built.
