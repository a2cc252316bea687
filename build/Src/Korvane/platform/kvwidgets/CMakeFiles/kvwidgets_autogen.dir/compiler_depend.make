# Empty custom commands generated dependencies file for kvwidgets_autogen.
# This may be replaced when dependencies are built.
