# The 21 tab pages, their layout tables, and the Help and About windows.
target_sources(sketra_ui PRIVATE
    aboutwindow.cpp aboutwindow.h
    boardart.cpp boardart.h
    controls.h
    helpwindow.cpp helpwindow.h
    layouttable.h layouttables.cpp
    pagebuilder.cpp pagebuilder.h
    pagetabs.cpp pagetabs.h
    tabrow.cpp tabrow.h
    secondarywindows.cpp secondarywindows.h
    typinglimit.cpp typinglimit.h
)
