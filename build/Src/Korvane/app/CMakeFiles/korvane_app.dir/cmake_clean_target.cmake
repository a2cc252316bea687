file(REMOVE_RECURSE
  "libkorvane_app.a"
)
