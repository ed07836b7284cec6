# libcdio reads optical drives and the images it has drivers for (app/platform/discimage.cpp).
# Its headers are used at build time, but the program opens the library itself the first time a
# disc is read rather than linking it: most runs read no disc, and every library loaded at
# start-up costs every start. The name it opens is the soname of the library built against,
# read from the library itself (libcdio's version, 2.1 say, does not give the soname's 19).
find_package(PkgConfig REQUIRED)
pkg_check_modules(CDIO REQUIRED IMPORTED_TARGET libcdio)
find_library(TOLVA_CDIO_LIBRARY cdio HINTS ${CDIO_LIBRARY_DIRS} REQUIRED)
execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${TOLVA_CDIO_LIBRARY} OUTPUT_VARIABLE TOLVA_CDIO_HEADERS)
if(NOT TOLVA_CDIO_HEADERS MATCHES "SONAME +([^ \n]+)")
  message(FATAL_ERROR "no soname in ${TOLVA_CDIO_LIBRARY} (read with '${CMAKE_OBJDUMP} -p')")
endif()
set(TOLVA_CDIO_SONAME ${CMAKE_MATCH_1})
