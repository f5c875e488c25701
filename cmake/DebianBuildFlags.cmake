# Debian's build flags with every hardening feature: stack protector, FORTIFY, PIE, RELRO and
# BIND_NOW, as a Debian package is built. The build type keeps deciding optimisation and
# debug information, so -O and -g are left out.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)

function(quistral_debian_flags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # -ffile-prefix-map names the folder a package is built in; here it would be the checkout.
  list(FILTER flags EXCLUDE REGEX "^(-O[0-9sgz]?|-g[0-9]*|-ffile-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

quistral_debian_flags(CPPFLAGS cppflags)
quistral_debian_flags(CXXFLAGS cxxflags)
quistral_debian_flags(LDFLAGS ldflags)
add_compile_options(${cppflags} ${cxxflags})
# In a release, the source and build folders are named as "." wherever the compiler would
# record them (file names in assertions and debug information), as Debian's own flag does,
# so the package does not depend on where it was built.
add_compile_options($<$<CONFIG:Release,MinSizeRel>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>
                    $<$<CONFIG:Release,MinSizeRel>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>)
add_link_options(${ldflags})
message(STATUS "Debian build flags: ${cppflags} ${cxxflags} | ${ldflags}")
# PIE for the program as well as its libraries, whatever the compiler's default.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
