# Copies SOURCE to TARGET unless TARGET exists already.
if(NOT EXISTS ${TARGET})
    get_filename_component(directory ${TARGET} DIRECTORY)
    file(MAKE_DIRECTORY ${directory})
    file(COPY_FILE ${SOURCE} ${TARGET})
endif()
