# cmake -DREADME=<README.md> -DOUTPUT=<file.cpp> -P extract.cmake
#
# Writes every ```cpp block of the README into one source file, each in a
# namespace of its own, its #include lines gathered at the top, after a
# prelude that gives the names the examples leave to the reader.
file(STRINGS ${README} lines ENCODING UTF-8)
set(includes "")
set(body "")
set(inside FALSE)
set(count 0)
foreach(line IN LISTS lines)
  if(NOT inside AND line MATCHES "^```cpp[ \t]*$")
    set(inside TRUE)
    math(EXPR count "${count} + 1")
    string(APPEND body "namespace readme_example_${count} {\n")
  elseif(inside AND line MATCHES "^```[ \t]*$")
    set(inside FALSE)
    string(APPEND body "} // namespace readme_example_${count}\n\n")
  elseif(inside AND line MATCHES "^[ \t]*#[ \t]*include")
    string(APPEND includes "${line}\n")
  elseif(inside)
    string(APPEND body "${line}\n")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${README} has no C++ example")
endif()
file(WRITE ${OUTPUT}.new "// Generated from ${README}: its C++ examples, compiled as written.
${includes}
#include <QWidget>

// What the examples leave to the reader.
class MyMainWindow : public QWidget {};

${body}int main()
{
    return 0;
}
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
