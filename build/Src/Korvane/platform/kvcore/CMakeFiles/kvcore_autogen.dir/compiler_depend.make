# Empty custom commands generated dependencies file for kvcore_autogen.
# This may be replaced when dependencies are built.
