file(REMOVE_RECURSE
  "libkvbasecore.a"
)
