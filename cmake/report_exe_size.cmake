cmake_minimum_required(VERSION 3.25)
# Prints what a user downloads besides the plug-in, next to an NSIS installer of the same job.
# Arguments: -DEXE=<program> -DPLUGIN=<plug-in module it carries>
file(SIZE "${EXE}" exe)
file(SIZE "${PLUGIN}" plugin)
math(EXPR own "${exe} - ${plugin}")
message(STATUS "VelkorInstaller.exe: ${exe} bytes, ${own} besides the ${plugin}-byte plug-in "
               "(an NSIS installer of the same job: about 145 KB besides it)")
