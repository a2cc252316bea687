file(REMOVE_RECURSE
  "libkvcore.a"
)
