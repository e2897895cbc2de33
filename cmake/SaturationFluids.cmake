# Writes the refrigerants' saturation curves from the data file as a C++ header, so that the program
# and its tests compute from the one copy of the data.
# cmake -DDATA=file.json -DOUTPUT=header.h -DFLUIDS=R410A,R32,... -P SaturationFluids.cmake
# FLUIDS names the fluids to take, in the order the header lists them.

file(READ "${DATA}" json)
string(REPLACE "," ";" fluids "${FLUIDS}")
list(LENGTH fluids count)

# A curve as the initializer of saturation::Curve: its coefficients, exponents and term count.
function(curve_initializer fluid side out)
    string(JSON kind TYPE "${json}" fluids ${fluid} ${side})
    if(kind STREQUAL "STRING")
        # A pure fluid's dew curve is its bubble curve.
        string(JSON same GET "${json}" fluids ${fluid} ${side})
        if(NOT same STREQUAL "same as bubble")
            message(FATAL_ERROR "${fluid} ${side}: '${same}' is not a curve")
        endif()
        set(side bubble)
    endif()
    string(JSON terms LENGTH "${json}" fluids ${fluid} ${side} n)
    string(JSON exponents LENGTH "${json}" fluids ${fluid} ${side} t)
    if(NOT terms EQUAL exponents)
        message(FATAL_ERROR "${fluid} ${side}: ${terms} coefficients, ${exponents} exponents")
    endif()
    math(EXPR last "${terms} - 1")
    foreach(array n t)
        set(values "")
        foreach(i RANGE ${last})
            string(JSON value GET "${json}" fluids ${fluid} ${side} ${array} ${i})
            list(APPEND values "${value}")
        endforeach()
        list(JOIN values ", " ${array}_text)
    endforeach()
    set(${out} "{{${n_text}}, {${t_text}}, ${terms}}" PARENT_SCOPE)
endfunction()

set(rows "")
foreach(fluid IN LISTS fluids)
    foreach(key Tc pc Tmin gwp100 safety_class equation_of_state)
        string(JSON ${key} GET "${json}" fluids ${fluid} ${key})
    endforeach()
    curve_initializer(${fluid} bubble bubble)
    curve_initializer(${fluid} dew dew)
    string(APPEND rows "    {u\"${fluid}\", u\"${equation_of_state}\", ${Tc}, ${pc}, ${Tmin},\n"
        "        ${bubble},\n"
        "        ${dew},\n"
        "        ${gwp100}, u\"${safety_class}\"},\n")
endforeach()

get_filename_component(data_name "${DATA}" NAME)
set(header "// Generated from ${data_name} at build time: edit the data file, not this.
#pragma once

#include <array>

#include \"saturationcurve.h\"

namespace kalmoro::saturation {

inline constexpr std::array<Fluid, ${count}> Fluids = {{
${rows}}};

} // namespace kalmoro::saturation
")
# An unchanged header keeps its time, so what includes it is not compiled again.
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${header}" @ONLY)
