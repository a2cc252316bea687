namespace { int korvane_app_empty; }
