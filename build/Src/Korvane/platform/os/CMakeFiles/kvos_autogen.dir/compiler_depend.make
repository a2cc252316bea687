# Empty custom commands generated dependencies file for kvos_autogen.
# This may be replaced when dependencies are built.
