# Builds the Windows installer from lw-viz.wxs with wixl, then completes the upgrade row for
# builds of the same version: wixl 0.101 ignores UpgradeVersion's IncludeMaximum and does not
# know MigrateFeatures. Without the first, a rebuild would be installed beside the old one;
# without the second, it would drop "Log the uptime at every log-in" for those who chose it.
#
# cmake -DWIXL=<wixl> -DMSIINFO=<msiinfo> -DMSIBUILD=<msibuild> -DWXS=<lw-viz.wxs>
#       -DOUTPUT=<.msi> -DVERSION=<x.y.z.w> -DPROGRAM_NAME=<name> -DPROGRAM_EXE=<.exe>
#       -DREADME=<README.txt> -DICON=<.ico> -DWORK=<scratch folder> -P build-msi.cmake
foreach(variable IN ITEMS WIXL MSIINFO MSIBUILD WXS OUTPUT VERSION PROGRAM_NAME PROGRAM_EXE
                          README ICON WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "build-msi: ${variable} is not set")
  endif()
endforeach()

# wixl 0.101 finds sources only by names relative to its working folder: the three files are
# gathered in the scratch folder.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${PROGRAM_EXE} ${README} ${ICON} DESTINATION ${WORK})
get_filename_component(program_exe ${PROGRAM_EXE} NAME)
get_filename_component(readme ${README} NAME)
get_filename_component(icon ${ICON} NAME)
set(msi ${WORK}/package.msi)
execute_process(
  COMMAND ${WIXL} --arch x64 --output ${msi} -D Version=${VERSION} -D ProgramName=${PROGRAM_NAME}
          -D ProgramExe=${program_exe} -D ReadMe=${readme} -D Icon=${icon} ${WXS}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE status
  ERROR_VARIABLE complaints)
# wixl only warns about what it does not understand; that would be a package that silently
# lacks something.
if(NOT status EQUAL 0 OR complaints)
  message(FATAL_ERROR "build-msi: wixl failed (${status}): ${complaints}")
endif()

# Tables export as tab-separated text; the row is matched on its attributes (256: minimum
# inclusive) and its property, and gets 769 (256 + 512 maximum inclusive + 1 MigrateFeatures).
execute_process(COMMAND ${MSIINFO} export ${msi} Upgrade OUTPUT_VARIABLE upgrade
                COMMAND_ERROR_IS_FATAL ANY)
set(row "\t256\t\tLWVIZ_SAME_VERSION_FOUND")
string(FIND "${upgrade}" "${row}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "build-msi: no upgrade row for the same version in:\n${upgrade}")
endif()
string(REPLACE "${row}" "\t769\t\tLWVIZ_SAME_VERSION_FOUND" upgrade "${upgrade}")
file(WRITE ${WORK}/Upgrade.idt "${upgrade}")
execute_process(COMMAND ${MSIBUILD} ${msi} -i Upgrade.idt WORKING_DIRECTORY ${WORK}
                COMMAND_ERROR_IS_FATAL ANY)

file(RENAME ${msi} ${OUTPUT})
file(REMOVE_RECURSE ${WORK})
