file(REMOVE_RECURSE
  "libkvos.a"
)
