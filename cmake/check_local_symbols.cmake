# Run as a test: fails unless the object file of the filling's second compile
# (src/generator/fill_givens_x86_64_v3.cpp) defines, of all the names the linker sees, only its
# entry point in cellwright::x86_64_v3. Any other name, a template or inline function of the
# engine or of the standard library, could be picked by the linker for a caller of the first
# compile and run instructions an older processor lacks.
#   cmake -DNM=nm -DOBJECTS="a.o|b.o|..." -P check_local_symbols.cmake
string(REPLACE "|" ";" objects "${OBJECTS}")
list(FILTER objects INCLUDE REGEX "fill_givens_x86_64_v3")
list(LENGTH objects found)
if(NOT found EQUAL 1)
    message(FATAL_ERROR "expected one object of the second compile, found ${found}: ${objects}")
endif()
execute_process(COMMAND "${NM}" --defined-only --extern-only "${objects}"
    OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${objects}")
endif()
string(REPLACE "\n" ";" symbols "${symbols}")
set(entry_points 0)
foreach(line IN LISTS symbols)
    if(line STREQUAL "")
        continue()
    endif()
    if(line MATCHES " _ZN10cellwright9x86_64_v3[0-9]")
        math(EXPR entry_points "${entry_points} + 1")
    elseif(line MATCHES " DW\\.ref\\.__gxx_personality_v0$")
        # The address of the library's unwinding routine, which every object file shares; no code.
    else()
        message(FATAL_ERROR "the second compile defines a name the linker shares: ${line}")
    endif()
endforeach()
if(entry_points EQUAL 0)
    message(FATAL_ERROR "the second compile defines no entry point")
endif()
message(STATUS "the second compile defines ${entry_points} entry point(s) and nothing else")
