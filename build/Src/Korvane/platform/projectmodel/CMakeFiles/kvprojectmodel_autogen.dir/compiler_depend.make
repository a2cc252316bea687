# Empty custom commands generated dependencies file for kvprojectmodel_autogen.
# This may be replaced when dependencies are built.
