# Removes the pages of the program directory's help/ folder that no source page gives any more
# (a renamed or deleted page), so a reused build tree ships and shows only the current pages.
# Called with -DHELP_DIR=<folder> -DPAGES_FILE=<a file holding the page names as a CMake list>.
cmake_minimum_required(VERSION 3.20)
file(READ "${PAGES_FILE}" wanted)
file(GLOB present RELATIVE "${HELP_DIR}" "${HELP_DIR}/*.html")
foreach(name IN LISTS present)
  if(NOT name IN_LIST wanted)
    file(REMOVE "${HELP_DIR}/${name}")
    message(STATUS "Removed the stale help page ${name}")
  endif()
endforeach()
