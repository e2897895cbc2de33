# Writes the room types' cooling load indices and their sources from the data file as a C++ header, so
# that the program and its tests compute from the one copy of the data.
# cmake -DDATA=file.json -DOUTPUT=header.h -P LoadIndices.cmake

file(READ "${DATA}" json)

# text as the body of a C++ string literal.
function(literal text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(JSON source_count LENGTH "${json}" sources)
math(EXPR last_source "${source_count} - 1")
set(source_rows "")
foreach(i RANGE ${last_source})
    string(JSON key MEMBER "${json}" sources ${i})
    string(JSON text GET "${json}" sources ${key})
    literal("${text}" text)
    string(APPEND source_rows "    {u\"${key}\", u\"${text}\"},\n")
endforeach()

string(JSON type_count LENGTH "${json}" room_types)
math(EXPR last_type "${type_count} - 1")
set(type_rows "")
foreach(i RANGE ${last_type})
    string(JSON name GET "${json}" room_types ${i} name)
    string(JSON low GET "${json}" room_types ${i} range 0)
    string(JSON high GET "${json}" room_types ${i} range 1)
    string(JSON default GET "${json}" room_types ${i} default)
    string(JSON source GET "${json}" room_types ${i} source)
    literal("${name}" name)
    string(APPEND type_rows "    {u\"${name}\", ${low}, ${high}, ${default}, u\"${source}\"},\n")
endforeach()

string(JSON watts GET "${json}" watts_per_horsepower)
string(JSON diversity_low GET "${json}" diversity_factor range 0)
string(JSON diversity_high GET "${json}" diversity_factor range 1)
string(JSON diversity_default GET "${json}" diversity_factor default)

get_filename_component(data_name "${DATA}" NAME)
set(header "// Generated from ${data_name} at build time: edit the data file, not this.
#pragma once

#include <array>

#include \"roomtypes.h\"

namespace kalmoro::rooms {

inline constexpr std::array<IndexSource, ${source_count}> IndexSources = {{
${source_rows}}};

inline constexpr std::array<RoomType, ${type_count}> RoomTypes = {{
${type_rows}}};

inline constexpr int WattsPerHorsepower = ${watts};
inline constexpr DiversityRange Diversity = {${diversity_low}, ${diversity_high}, ${diversity_default}};

} // namespace kalmoro::rooms
")
# An unchanged header keeps its time, so what includes it is not compiled again.
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${header}" @ONLY)
