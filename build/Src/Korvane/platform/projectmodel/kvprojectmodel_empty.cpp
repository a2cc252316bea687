namespace { int kvprojectmodel_empty; }
