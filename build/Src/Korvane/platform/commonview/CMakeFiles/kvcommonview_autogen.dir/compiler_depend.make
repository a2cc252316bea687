# Empty custom commands generated dependencies file for kvcommonview_autogen.
# This may be replaced when dependencies are built.
