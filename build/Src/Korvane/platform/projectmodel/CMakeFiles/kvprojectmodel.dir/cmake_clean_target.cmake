file(REMOVE_RECURSE
  "libkvprojectmodel.a"
)
