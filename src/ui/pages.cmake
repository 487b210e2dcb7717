# The 21 tab pages, their layout tables, and the Help and About windows.
target_sources(sketra_ui PRIVATE
    layouttable.h layouttables.cpp
    pagebuilder.cpp pagebuilder.h
    pagetabs.cpp pagetabs.h
    secondarywindows.cpp secondarywindows.h
    typinglimit.cpp typinglimit.h
)
