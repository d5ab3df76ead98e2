# The layers of the rules, checked from the sources: the notation, the evaluator, the answer
# reader, the player's rule, the solvers and dealing never include the search or the loop
# (engine/search.h, engine/mainloop.h), so the search can use them all without a circle.
# Usage: cmake -DSOURCE=DIR -P layers.cmake; fails naming each include that breaks the rule.
set(broken "")
foreach(dir expr answer player solver deal)
  file(GLOB files "${SOURCE}/${dir}/*.h" "${SOURCE}/${dir}/*.cpp")
  foreach(file ${files})
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"engine/(search|mainloop)\\.h\"")
    foreach(line ${lines})
      file(RELATIVE_PATH name "${SOURCE}" "${file}")
      string(APPEND broken "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "these include the search, which is built on them:${broken}")
endif()
