# Empty dependencies file for kvwidgets.
# This may be replaced when dependencies are built.
