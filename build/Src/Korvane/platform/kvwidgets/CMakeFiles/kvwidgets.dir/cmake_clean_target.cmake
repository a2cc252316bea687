file(REMOVE_RECURSE
  "libkvwidgets.a"
)
