# The 21 tab pages, their layout tables, and the Help and About windows.
target_sources(sketra_ui PRIVATE
    pagetabs.cpp pagetabs.h
    secondarywindows.cpp secondarywindows.h
)
