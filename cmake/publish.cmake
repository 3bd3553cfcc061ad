# The program as it is published (NORVEL_PUBLISH): built from the same commit it has
# the same bytes whatever folder and whenever it is built, and its debug information
# lives in NorvelAssist.exe.debug beside it in the build folder.
#
# - No build path enters it: the source folder is written ".", the build folder "build"
#   (the build folder's map comes last so it wins when it lies inside the source folder).
# - No link time: the PE header's time stamp is SOURCE_DATE_EPOCH (0 without it).
# - Compiled with -g, which changes no code: the .debug file then serves a crash's
#   analysis. __DATE__ and __TIME__ follow SOURCE_DATE_EPOCH when the build has it.
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-g;-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.;-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")
add_link_options(-Wl,--no-insert-timestamp)

if(NOT CMAKE_OBJCOPY)
  message(FATAL_ERROR "NORVEL_PUBLISH needs the toolchain's objcopy")
endif()

# objcopy writes the PE header's time stamp anew, as SOURCE_DATE_EPOCH or else the
# time: the configure's SOURCE_DATE_EPOCH, 0 without one (as the linker leaves it).
set(NORVEL_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(NOT NORVEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  set(NORVEL_SOURCE_DATE_EPOCH 0)
endif()

# Moves the debug information of `target`'s program into <program>.debug beside it
# and strips the program, which then names that file (and its CRC) in .gnu_debuglink.
function(norvel_split_debug target)
  set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${NORVEL_SOURCE_DATE_EPOCH} ${CMAKE_OBJCOPY})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${objcopy} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${objcopy} --strip-all --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
            $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

# The version the self-update offers ("versione": the first three numbers), for scripts/release.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version.txt
     CONTENT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}\n")
