# Empty dependencies file for kvos.
# This may be replaced when dependencies are built.
