# Empty dependencies file for korvane.
# This may be replaced when dependencies are built.
