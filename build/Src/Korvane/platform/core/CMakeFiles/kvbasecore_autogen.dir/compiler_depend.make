# Empty custom commands generated dependencies file for kvbasecore_autogen.
# This may be replaced when dependencies are built.
