namespace { int kvos_empty; }
