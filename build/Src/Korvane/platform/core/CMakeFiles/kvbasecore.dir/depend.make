# Empty dependencies file for kvbasecore.
# This may be replaced when dependencies are built.
