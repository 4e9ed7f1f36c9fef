# cmake -D FROM=FILE -D TO=FOLDER -P stage_if_missing.cmake
# Copies FILE into FOLDER unless a file of that name is there already: the
# copy in FOLDER may have been changed by the user, and is kept as it is.
cmake_path(GET FROM FILENAME name)
if(NOT EXISTS "${TO}/${name}")
  file(COPY "${FROM}" DESTINATION "${TO}")
endif()
