#include "scene/Catalogues.h"

#include "scene/IndicatorTypes.h"

const std::array<std::string, 6> typeCodes = [] {
    std::array<std::string, 6> codes;
    for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = indicatorTypes[i].code;
    return codes;
}();

// name, outer, inner, nozzle length, flange, bolt circle, bolt hole, flange thickness, face,
// face height, bolts
const std::array<ProcessConnection, 13> connectionCatalogue = {{
    {"FNull", 0, 0, 110, 0, 0, 0, 0, 0, 0, 0},
    {"FDefault", 25, 23.5f, 110, 110, 82, 14, 16, 50, 2, 4},
    {"C-201  DN10/PN 25/40", 17.2f, 14, 100, 90, 60, 14, 16, 40, 2, 4},
    {"C-202  DN15/PN 25/40", 17.2f, 14, 100, 95, 65, 14, 16, 45, 2, 4},
    {"C-203  DN20/PN 25/40", 17.2f, 14, 100, 105, 75, 14, 18, 58, 2, 4},
    {"C-203  DN25/PN 25/40", 17.2f, 14, 100, 115, 85, 14, 18, 68, 2, 4},
    {"C-204  ANSI 1/2\" 150RF", 17.2f, 14, 100, 88.9f, 60.3f, 15.9f, 11.1f, 34.9f, 1.6f, 4},
    {"C-205  ANSI 3/4\" 150RF", 17.2f, 14, 100, 98.4f, 69.8f, 15.9f, 12.7f, 42.9f, 1.6f, 4},
    {"C-206  ANSI 1\"   150RF", 17.2f, 14, 100, 107.9f, 79.4f, 15.9f, 14.3f, 50.8f, 1.6f, 4},
    {"C-207  ANSI 1/2\" 300RF", 17.2f, 14, 100, 95.2f, 66.7f, 15.9f, 14.3f, 34.9f, 1.6f, 4},
    {"C-208  ANSI 3/4\" 300RF", 17.2f, 14, 100, 117.5f, 82.5f, 19, 14.3f, 42.9f, 1.6f, 4},
    {"C-209  ANSI 1\"   300RF", 17.2f, 14, 100, 123.8f, 88.9f, 19, 14.3f, 50.8f, 1.6f, 4},
    {"C-210  Stutzen \u00D817,2x1,6", 17.2f, 14, 100, 17, 17, 0, 0, 17, 17, 0},
}};

// name, length, immersion depth, inner, outer, magnet, chamber below, chamber above
const std::array<FloatSpec, 5> midiFloatCatalogue = {{
    {"F-301/00 Dichte 0,60", 350, 307, 24, 25, 10, 333, 70},
    {"F-302/00 Dichte 0,70", 230, 195, 24, 25, 10, 233, 70},
    {"F-303/00 Dichte 0,80", 160, 137, 24, 25, 10, 163, 70},
    {"F-304/00 Dichte 1,00", 120, 100, 20, 21, 10, 123, 70},
    {"F-305/00 Dichte 1,20", 120, 84, 24, 25, 10, 123, 70},
}};

const std::array<FloatSpec, 17> standardFloatCatalogue = {{
    {"F-306/00 Dichte 0,60", 200, 180, 41, 42, 12, 180, 130},
    {"F-306/00 Dichte 0,70", 200, 155, 41, 42, 12, 180, 130},
    {"F-306/00 Dichte 0,80", 200, 135, 41, 42, 12, 180, 130},
    {"F-306/00 Dichte 0,90", 200, 120, 41, 42, 12, 180, 130},
    {"F-306/00 Dichte 1,00", 200, 110, 41, 42, 12, 180, 130},
    {"F-307/00 Dichte 0,90", 123, 90, 41, 42, 12, 180, 130},
    {"F-307/00 Dichte 1,00", 123, 80, 41, 42, 12, 180, 130},
    {"F-307/00 Dichte 1,10", 123, 75, 41, 42, 12, 180, 130},
    {"F-307/00 Dichte 1,20", 123, 70, 41, 42, 12, 180, 130},
    {"F-308/00 Dichte 0,50", 200, 180, 46, 47, 12, 180, 130},
    {"F-308/00 Dichte 0,60", 200, 165, 46, 47, 12, 180, 130},
    {"F-308/00 Dichte 0,70", 200, 140, 46, 47, 12, 180, 130},
    {"F-308/00 Dichte 0,80", 200, 125, 46, 47, 12, 180, 130},
    {"F-308/00 Dichte 0,90", 200, 110, 46, 47, 12, 180, 130},
    {"F-309/00 Dichte 1,00", 125, 75, 46, 47, 12, 180, 130},
    {"F-309/00 Dichte 1,10", 125, 70, 46, 47, 12, 180, 130},
    {"F-309/00 Dichte 1,20", 125, 65, 46, 47, 12, 180, 130},
}};

const std::array<FlapColour, 16> colourTable = {{
    {"Black", "Schwarz", 0, 0, 0},
    {"Blue", "Blau", 0, 0, 0.6f},
    {"Green", "Gr\u00FCn", 0, 0.6f, 0},
    {"Cyan", "T\u00FCrkis", 0, 0.6f, 0.6f},
    {"Red", "Rot", 0.6f, 0, 0},
    {"Magenta", "Fuchsinrot", 0.6f, 0, 0.6f},
    {"Brown", "Braun", 0.6f, 0.6f, 0},
    {"Lightgray", "Hellgrau", 0.6f, 0.6f, 0.6f},
    {"Darkgray", "Dunkelgrau", 0.3f, 0.3f, 0.3f},
    {"Lightblue", "Hellblau", 0.3f, 0.3f, 1},
    {"Lightgreen", "Hellgr\u00FCn", 0.3f, 1, 0.3f},
    {"Lightcyan", "Hellt\u00FCrkis", 0.3f, 1, 1},
    {"Lightred", "Hellrot", 1, 0.3f, 0.3f},
    {"Lightmagenta", "Hellfuchsinrot", 1, 0.3f, 1},
    {"Yellow", "Gelb", 1, 1, 0.3f},
    {"White", "Weiss", 1, 1, 1},
}};
