# Checks what the headless session links, however deep: the plain logic, not the terminal's
# option parser (CLI11) nor the window's toolkit (Qt).
#
# Usage: cmake -DLINKS=<libraries joined by "|"> -P check_links.cmake
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" links "${LINKS}")
# A walk that found nothing would prove nothing: the session stands on the window's logic.
if(NOT "tambrel_window" IN_LIST links)
  message(SEND_ERROR "the session's links do not hold tambrel_window: ${LINKS}")
endif()
foreach(link IN LISTS links)
  if(link MATCHES "CLI11|Qt[0-9]*::|Qt[0-9]*[A-Z][a-z]")
    message(SEND_ERROR "the session links ${link}: it must build without the terminal and the "
                       "window's toolkit")
  endif()
endforeach()
