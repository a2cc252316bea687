# Empty dependencies file for korvane_app.
# This may be replaced when dependencies are built.
