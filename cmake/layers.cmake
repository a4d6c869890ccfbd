# The program is four layers, each a folder of src/ and a static library:
# mechanics (standard library only), ui (Qt, no page), pages, app. A layer's
# headers are reached as "<folder>/name.h" through an include folder that holds
# that layer alone, so a file can include only from the layers its library
# links: mechanics cannot reach Qt or ui, ui cannot reach a page.
function(vantrel_add_layer target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_CURRENT_BINARY_DIR}/include)
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${root})
    # The standard, set once here, reaches everything that links a layer: the
    # program, the tests and a project that takes this tree in.
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_link_libraries(${target} PRIVATE vantrel_build_options)
endfunction()
