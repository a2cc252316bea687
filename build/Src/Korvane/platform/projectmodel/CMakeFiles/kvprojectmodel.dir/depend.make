# Empty dependencies file for kvprojectmodel.
# This may be replaced when dependencies are built.
