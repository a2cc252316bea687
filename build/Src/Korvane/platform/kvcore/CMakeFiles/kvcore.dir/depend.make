# Empty dependencies file for kvcore.
# This may be replaced when dependencies are built.
