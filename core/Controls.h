// The controls over the view, as models the shells draw: the five accessory callouts at the top
// left, and the button row at the bottom left with the speed callouts "+" and "-", the two demo
// buttons and the two zoom buttons.
#pragma once

#include <string>
#include <vector>

enum class ButtonPicture { Start, Stop, StartUpDown, StopUpDown, ZoomIn, ZoomOut };

struct CalloutModel {
    std::string name;    // "Label4" ... "Label7"
    std::string caption; // in the interface language
    std::string tooltip;
    int left, top, width, height; // in the view; in the button row `top` is the row's own
    bool inButtonRow;
    bool active;  // the panel is dark red: the accessory it switches is shown
    bool hovered; // the text is blue: the pointer is over it
};

struct ButtonModel {
    std::string name; // "Start_Stop_Image", "Start_Stop_Image_UpDown", "ZoomIn_Image", ...
    std::string tooltip;
    int left; // the row stands at buttonRowTop; every button is 25 x 25
    ButtonPicture picture;
    bool highlighted; // the hover picture
};

constexpr int buttonSize = 25;
// The top of the button row in a view `clientHeight` high.
constexpr int buttonRowTop(int clientHeight) {
    return clientHeight - 48;
}
// The strip along the view's left edge whose double-click shows the menu bar and the toolbar.
constexpr int leftStripWidth = 4;
