# cmake -DTOOL=quellfin-report -DOUT=floor_report.hpp -P embed_report.cmake
# Writes the report of the stored defaults into a header, for the start-up floor form.
execute_process(COMMAND ${TOOL} OUTPUT_VARIABLE report COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\n$" "" report "${report}")
file(WRITE ${OUT} "#pragma once\n\n#include <string_view>\n\n"
    "// The 37 report lines of the stored defaults, as quellfin-report prints them.\n"
    "inline constexpr std::string_view kFloorReport = R\"report(${report})report\";\n")
