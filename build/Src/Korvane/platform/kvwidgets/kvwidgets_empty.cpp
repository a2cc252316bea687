namespace { int kvwidgets_empty; }
