# Checks the Windows zip: a folder named after the program holding exactly the program that
# was just built and its read-me, with Windows line ends and every placeholder filled in.
#
# cmake -DZIP=<zip> -DPROGRAM=<built .exe> -DNAME=<program name> -DREGISTRY_KEY=<key>
#       -DWORK=<scratch folder> -P check-windows-zip.cmake
foreach(variable IN ITEMS ZIP PROGRAM NAME REGISTRY_KEY WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "check-windows-zip: ${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${WORK})

file(GLOB_RECURSE entries RELATIVE ${WORK} ${WORK}/*)
list(SORT entries)
get_filename_component(program_name ${PROGRAM} NAME)
set(expected "${NAME}/${program_name};${NAME}/README.txt")
list(SORT expected)
if(NOT entries STREQUAL expected)
  message(FATAL_ERROR "check-windows-zip: the zip holds '${entries}', not '${expected}'")
endif()

# The packed program is the one just built, not a stale copy.
file(SHA256 ${PROGRAM} built)
file(SHA256 ${WORK}/${NAME}/${program_name} packed)
if(NOT built STREQUAL packed)
  message(FATAL_ERROR "check-windows-zip: the zip's ${program_name} differs from ${PROGRAM}")
endif()

# file(READ) drops carriage returns, so the line ends are checked on the bytes: with every
# CR LF pair taken out, no LF may be left.
set(readme_file ${WORK}/${NAME}/README.txt)
file(READ ${readme_file} bytes HEX)
string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
set(bytes " ${bytes}")
string(REPLACE "0d 0a " "" bytes "${bytes}")
string(FIND "${bytes}" " 0a " bare_line_feed)
if(NOT bare_line_feed EQUAL -1)
  message(FATAL_ERROR "check-windows-zip: README.txt has lines that do not end in CR LF")
endif()
file(READ ${readme_file} readme)
string(REGEX MATCH "@[A-Za-z_]+@" placeholder "${readme}")
if(placeholder)
  message(FATAL_ERROR "check-windows-zip: README.txt still holds ${placeholder}")
endif()
foreach(needed IN ITEMS "${REGISTRY_KEY}" "shell:startup" "Auto Start" "Auto Close"
                        "${NAME}.LOG")
  string(FIND "${readme}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "check-windows-zip: README.txt does not mention ${needed}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
