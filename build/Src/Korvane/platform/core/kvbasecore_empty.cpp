namespace { int kvbasecore_empty; }
