# Debian's hardening, as every package of the distribution is built: checked
# string and memory functions, a stack protector, format checks, a program
# that loads at a random address, and a table of relocations made in full at
# start and then read-only. dpkg-buildflags says how for the compiler at
# hand. The sanitized build goes without: its own checks do more, and
# checked functions would hide calls from them. A debug build goes without
# too, since the checked functions need the optimiser.
if(QUORVEL_SANITIZE OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  return()
endif()
find_program(QUORVEL_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT QUORVEL_DPKG_BUILDFLAGS)
  message(NOTICE "dpkg-buildflags is missing (Debian package dpkg-dev): building without Debian's hardening")
  return()
endif()

# Run in the source folder, so that the file paths compiled in are given
# from there (-ffile-prefix-map) and no build is tied to where it was made.
function(quorvel_debian_flags variable kind)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${QUORVEL_DPKG_BUILDFLAGS} --get ${kind}
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # The build type chooses the optimisation and the debugging information.
  list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?)$")
  set(${variable} ${flags} PARENT_SCOPE)
endfunction()

quorvel_debian_flags(cppflags CPPFLAGS)
quorvel_debian_flags(cxxflags CXXFLAGS)
quorvel_debian_flags(ldflags LDFLAGS)
# Files generated in the build folder (moc, rcc) are named from there, the
# build folder's own path taking precedence when it lies in the source folder.
add_compile_options(${cppflags} ${cxxflags} -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
add_link_options(${ldflags})
