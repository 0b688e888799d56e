# Settings every target of project code gets.
function(vocalith_project_target target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Werror -Wshadow -finput-charset=UTF-8 -fexec-charset=GB2312>)
endfunction()
