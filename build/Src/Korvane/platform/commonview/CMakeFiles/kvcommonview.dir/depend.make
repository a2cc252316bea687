# Empty dependencies file for kvcommonview.
# This may be replaced when dependencies are built.
