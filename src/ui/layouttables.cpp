#include "ui/layouttable.h"

// The 21 pages of `SSTab1`. Every text here is shown to the user exactly as written, double
// blanks and spelling included: the board's users know the pages by these words.

namespace ui {

namespace {

constexpr State Disabled = State::Disabled;
constexpr State Selected = State::Selected;

// clang-format off
constexpr ControlRow circle[] = {
    group("", "Circle Center", {0, 0}),
        caption("X value", {0, 0}), box("txtCx", "64", {0, 1}, "Circle Center X value"),
        caption("Y value", {1, 0}), box("txtCy", "32", {1, 1}, "Circle Center Y value"),
    end(),
    group("", "Circle Radius", {0, 1}),
        caption("Pixels", {0, 0}), box("txtcr", "20", {0, 1}, "Circle Radius Pixels"),
    end(),
    button("cmdCirc", "&Draw Circle", {1, 0}),
};

constexpr ControlRow square[] = {
    caption("Center X           Y", {0, 0, 1, 2}),
    box("txtSx1", "64", {1, 0}, "Center X", 3), box("txtSy1", "32", {1, 1}, "Center Y", 3),
    caption("Diag Length", {0, 2}), box("txtSr", "20", {1, 2}, "Diag Length", 2),
    button("cmdSquare", "&Draw Square", {2, 0, 1, 2}),
};

constexpr ControlRow rectangle[] = {
    caption("Top Left  X     Y", {0, 0, 1, 2}),
    box("txtX1", "0", {1, 0}, "Top Left X", 3), box("txtY1", "0", {1, 1}, "Top Left Y", 3),
    caption("Bottom Rt X     Y", {0, 2, 1, 2}),
    box("txtX2", "127", {1, 2}, "Bottom Rt X", 3), box("txtY2", "63", {1, 3}, "Bottom Rt Y", 3),
    caption("Step 1-9", {0, 4}), box("txtrs1", "1", {1, 4}, "Step 1-9"),
    check("chkfill", "Fill", {2, 0, 1, 2}),
    check("chkclear", "Clear", {2, 2, 1, 2}, Disabled),
    button("cmdRect", "&Draw Rectangle", {3, 0, 1, 2}),
};

constexpr ControlRow square45[] = {
    caption("Diamond Center XY", {0, 0, 1, 2}),
    box("txtDx", "64", {1, 0}, "Diamond Center X"), box("txtDy", "32", {1, 1}, "Diamond Center Y"),
    caption("Center-to-side in pixels", {0, 2}),
    box("txtDr", "20", {1, 2}, "Center-to-side in pixels"),
    button("cmdDiam", "&Draw Diamond", {2, 0, 1, 2}),
};

constexpr ControlRow star4[] = {
    caption("Center of Star XY", {0, 0, 1, 2}),
    box("txtStarx", "64", {1, 0}, "Center of Star X"),
    box("txtStary", "32", {1, 1}, "Center of Star Y"),
    caption("Center-to-Point in pixels", {0, 2}),
    box("txtStarr", "20", {1, 2}, "Center-to-Point in pixels"),
    button("Command2", "&Draw Star4", {2, 0, 1, 2}),
};

constexpr ControlRow line[] = {
    group("", "Line Parameters", {0, 0, 1, 2}),
        caption("Begin", {0, 0}),
        caption("X1", {0, 1}), box("txtLx1", "00", {0, 2}, "Begin X1"),
        caption("Y1", {0, 3}), box("txtLy1", "00", {0, 4}, "Begin Y1"),
        caption("End", {1, 0}),
        caption("X2", {1, 1}), box("txtLx2", "127", {1, 2}, "End X2"),
        caption("Y2", {1, 3}), box("txtLy2", "40", {1, 4}, "End Y2"),
    end(),
    button("cmdLine", "&Draw Line", {1, 0}), caption("Experimental", {1, 1}),
};

constexpr ControlRow bar[] = {
    caption("Top Left", {0, 0, 1, 4}),
    caption("X", {1, 0}), box("txtbarx", "20", {1, 1}, "Top Left X", 3),
    caption("Y", {1, 2}), box("txtbary", "20", {1, 3}, "Top Left Y", 3),
    caption("Height", {2, 0}, "Label70"), box("txtbarheight", "36", {2, 1}, "Height", 3),
    caption("Width", {2, 2}), box("txtbarwidth", "5", {2, 3}, "Width", 3),
    option("optbarv", "Vert", {3, 0, 1, 2}), option("optbarh", "Horiz", {3, 2, 1, 2}),
    caption("Step by", {0, 5}), list("List3", "1|2|3|4|5", {1, 5, 3, 1}, "Step by pixels", "1"),
    caption("pixels", {1, 6}),
    button("cmdbar", "&Draw Bar", {4, 0, 1, 4}),
};

constexpr ControlRow xAxis[] = {
    caption("Starting Point", {0, 0, 1, 4}),
    caption("X", {1, 0}), box("txtXaxisx", "16", {1, 1}, "Starting Point X", 3),
    caption("Y", {1, 2}), box("txtXaxisy", "56", {1, 3}, "Starting Point Y", 3),
    caption("Length in pixels", {2, 0, 1, 3}),
    box("txtXaxisLen", "100", {2, 3}, "Length in pixels", 3),
    caption("Tick every", {0, 5}),
    list("lsttickx", "1|2|3|4|5|6|7|8|9|10", {1, 5, 3, 1}, "Tick every Pixels", "4"),
    caption("Pixels", {1, 6}),
    button("cmdXaxis", "&Draw X-Axis", {4, 0, 1, 4}),
};

constexpr ControlRow yAxis[] = {
    caption("Starting Point", {0, 0, 1, 4}),
    caption("X", {1, 0}), box("txtYAxisx", "16", {1, 1}, "Starting Point X", 3),
    caption("Y", {1, 2}), box("txtYAxisy", "10", {1, 3}, "Starting Point Y", 3),
    caption("Length in pixels", {2, 0, 1, 3}),
    box("txtYAxisLen", "46", {2, 3}, "Length in pixels", 3),
    caption("Tick every", {0, 5}),
    list("lstticky", "1|2|3|4|5|6|7|8|9|10", {1, 5, 3, 1}, "Tick every Pixels", "4"),
    caption("Pixels", {1, 6}),
    button("cmdyaxis", "&Draw Y-Axis", {4, 0, 1, 4}),
};

constexpr ControlRow setDot[] = {
    group("", "Single", {0, 0}),
        caption("X", {0, 0}), box("txtDotSingX", "64", {0, 1}, "Single X", 3),
        caption("Y", {1, 0}), box("txtDotSingy", "32", {1, 1}, "Single Y", 3),
        button("Command3", "&Set Dot", {4, 0, 1, 2}),
    end(),
    group("", "Many", {0, 1}),
        caption("X", {0, 0}), box("txtDotManyx", "10", {0, 1}, "Many X", 3),
        caption("Y", {1, 0}), box("txtDotManyy", "30", {1, 1}, "Many Y", 3),
        caption("Number", {2, 0}), box("txtDotnum", "20", {2, 1}, "Number", 3),
        option("optHoriz", "Horzontal", {0, 2}, Selected), option("optVert", "Vertical", {1, 2}),
        button("Command4", "&Draw Dots", {4, 0, 1, 3}),
    end(),
};

constexpr ControlRow resetDot[] = {
    caption("X", {0, 0}), box("txtResetx", "64", {0, 1}, "X", 3),
    caption("Y", {1, 0}), box("txtResety", "32", {1, 1}, "Y", 3),
    button("cmdResetDot", "&Reset Dot", {2, 0, 1, 2}),
};

constexpr ControlRow putByte[] = {
    caption("X", {0, 0}), box("txtPutBytex", "10", {0, 1}, "X", 3),
    caption("Y", {1, 0}), box("txtPutBytey", "10", {1, 1}, "Y", 3),
    caption("Byte value 0-255", {2, 0}), box("txtPutByte", "124", {2, 1}, "Byte value 0-255", 3),
    button("cmdPutByte", "&Put Byte", {3, 0, 1, 2}),
};

constexpr ControlRow putChar[] = {
    caption("Position", {0, 0, 1, 4}),
    caption("X", {1, 0}), box("txtPutChrx", "10", {1, 1}, "Position X", 3),
    caption("Y", {1, 2}), box("txtPutchry", "10", {1, 3}, "Position Y", 3),
    caption("Charcter A-Z, 0-9 ONLY", {2, 0, 1, 3}),
    box("txtPutChr", "A", {2, 3}, "Charcter A-Z, 0-9 ONLY", 1),
    button("cmdPutChr", "&Put Character", {3, 0, 1, 4}),
};

constexpr ControlRow fillScreen[] = {
    caption("Step Value", {0, 0}),
    list("List2", "1|2|3|4|5|6|7|8|9", {1, 0}, "Step Value", "1"),
    button("cmdFill", "&FILL", {2, 0}),
};

constexpr ControlRow clearScreen[] = {
    caption("Clears the LCD Display", {0, 0}),
    button("cmdClearLCD", "Clear &Display", {1, 0}),
};

constexpr ControlRow horizString[] = {
    caption("String", {0, 0}), box("txtH", "A;KORVEL;DEMO;BY;VENDRIX", {0, 1, 1, -1}, "String"),
    caption("  X    -    Y Location", {1, 0}),
    box("txtHStrX", "1", {1, 1}, "X Location"), box("txtHStrY", "32", {1, 2}, "Y Location"),
    button("cmdH", "&Send", {2, 1, 1, 2}),
};

constexpr ControlRow vertString[] = {
    caption("String", {0, 0}), box("txtV", "VENDRIX1", {0, 1, 1, -1}, "String"),
    caption("X-Y Location", {1, 0}),
    box("txtVStrX", "64", {1, 1}, "X Location", 3), box("txtVStrY", "0", {1, 2}, "Y Location", 3),
    button("cmdVs", "&Send", {2, 1, 1, 2}),
};

constexpr ControlRow info[] = {
    paragraph("Label88",
              "This application is for use with the LCD applications and the Korvel board. "
              "The Korvel board can be built from the plans published on the maker's web site, "
              "www.korvel.example.org, or bought there. "
              "The functions in this application are expicitly written for LCD applications "
              "written in PICBasicPro Ver.2.32. "
              "For more information write to info@korvel.example.org.",
              {0, 0, 1, -1}),
};

constexpr ControlRow readEeprom[] = {
    option("optxeep1", "External", {0, 0}, Selected), option("optxeep2", "Internal", {1, 0}),
    caption("Address", {0, 1}), box("txteraddr", "0000", {0, 2}, "Address", 4),
    caption("Number", {1, 1}), box("txtebytes", "0000", {1, 2}, "Number", 4),
    caption("End Addr", {2, 1}), value("readeep", "0000", {2, 2}),
    button("cmderead", "&Read", {0, 3}),
    memo("txteread", {3, 0, 1, -1}, "EEprom bytes read"),
    strip({4, 0, 1, -1}),
        button("cmdecopy", "&Copy", {}), button("cmdereadclr", "Clear", {}),
    end(),
    // Added last, so that they come last in the Tab order.
    button("cmdesave", "&Save...", {1, 3}),
};

constexpr ControlRow writeEeprom[] = {
    option("optWeep1", "Ext I2C", {0, 0}), option("optweep2", "Internal", {1, 0}),
    caption("Start Address", {0, 1}), box("txtewaddr", "0000", {0, 2}, "Start Address", 4),
    caption("End Address", {1, 1}), value("lbleend", "0000", {1, 2}),
    caption("Enter hex format (hh) only", {2, 0, 1, -1}),
    memo("txtewrite", {3, 0, 1, -1}, "Enter hex format (hh) only"),
    strip({4, 0, 1, -1}),
        button("cmdechk", "Reformat", {}), button("cmdewrite", "&Write", {}, Disabled),
        button("cmdepaste", "&Paste", {}), button("cmdeclr", "Clear", {}),
    end(),
    button("cmdeopen", "Ope&n...", {0, 3}),
};

constexpr ControlRow lcdReadWrite[] = {
    caption("LCD map X, Y coordinates", {0, 0, 1, 5}),
    caption("Start at:", {1, 0}),
    caption("X1", {1, 1}), box("txtlcdx1", "000", {1, 2}, "Start at X1", 3),
    caption("Y1", {1, 3}), box("txtlcdy1", "00", {1, 4}, "Start at Y1", 3),
    caption("End at:", {2, 0}),
    caption("X2", {2, 1}), box("txtlcdx2", "000", {2, 2}, "End at X2", 3),
    caption("Y2", {2, 3}), box("txtlcdy2", "00", {2, 4}, "End at Y2", 3),
    caption("Bytes:", {3, 0, 1, 3}), value("xybytes", "0000", {3, 3, 1, 2}),
    caption("Text area Bytes:", {4, 0, 1, 3}), value("txtbytes", "0000", {4, 3, 1, 2}),
    memo("txtlcd", {5, 0, 1, -1}, "LCD bytes"),
    button("cmdlcdread", "&Read", {1, 5}),
    button("cmdlcdfmt", "Reformat to Send", {2, 5}),
    button("cmdwritelcd", "&Write", {3, 5}, Disabled),
    strip({6, 0, 1, -1}),
        button("cdmlcdcopy", "&Copy", {}), button("cmdlcdpaste", "&Paste", {}),
        button("lcrlcdtxt", "Clear", {}),
    end(),
    button("cmdlcdcapture", "Cap&ture...", {1, 6}),
    button("cmdlcdpicture", "Loa&d picture...", {2, 6}),
    button("cmdlcdtext", "Wr&ite Text...", {3, 6}),
};
// clang-format on

constexpr PageTable pages[] = {
        {"Circle", "Draws a circle given the center  (x,y) and the radius  in pixels", circle},
        {"Square",
         "Draws a square given the center location (x,y) and 1/2 the length of a side in pixels",
         square},
        {" Rectangle / Lines",
         "Draws a rectangle given the x,y coordinates of the top left and bottom right locations. "
         "Step value creates a dashed lines. For straight lines, keep both the top and bottom x or "
         "y values the same",
         rectangle},
        {"Square45", "Draws a diamond shape", square45},
        {"Star4", "Draws Four Point Star (dashed lines)", star4},
        {"Line",
         "This has limitations due to the aspect ratio of the LCD. Line must extend from the left "
         "to the right and from top to bottom It cannot run a complete diagonal of the display .",
         line},
        {"Bar",
         "Draws a filled bar from x,y with a given height or length and width. Step determines the "
         "pattern",
         bar},
        {"X-Axis", "Draw the x-axis of a chart with tick marks", xAxis},
        {"Y-Axis", "Draw the y-axis of a chart with tick marks", yAxis},
        {"SetDot", "", setDot},
        {"ResetDot", "An XOR function, if the dot is set it will clear it else it will set it",
         resetDot},
        {"PutByte", "Places a byte at X,Y location", putByte},
        {"PutChar", "Places a character at X,Y location", putChar},
        {"FillScreen",
         "Fills the LCD display with pixels, step value can be set for different designs (grids)",
         fillScreen},
        {"ClearScreen", "", clearScreen},
        {"Horiz String",
         "Place a string horizontally. Depending on the LCD the line may or may not adavance to "
         "the "
         "next line.  For a space enter a ;",
         horizString},
        {"Vert String",
         "Place a string of characters vertically, maximum 16 (varies by LCD size) characters. For "
         "a space enter a ;",
         vertString},
        {"INFO", "", info},
        {"Read EEprom", "", readEeprom},
        {"Write EEprom", "", writeEeprom},
        {"LCD Read/Write", "", lcdReadWrite},
};

} // namespace

std::span<const PageTable> pageTables()
{
    return pages;
}

} // namespace ui
