file(REMOVE_RECURSE
  "libkvcommonview.a"
)
