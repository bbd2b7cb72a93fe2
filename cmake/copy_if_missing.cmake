# Copies SRC to DST unless DST already exists: an operator's own copy is never replaced.
if(NOT EXISTS "${DST}")
  configure_file("${SRC}" "${DST}" COPYONLY)
endif()
