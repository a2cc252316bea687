namespace { int kvcommonview_empty; }
