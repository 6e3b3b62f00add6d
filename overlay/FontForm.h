// The font holder: the never-shown owner of the pictures behind the texture font and the
// read-out symbols. It keeps the pictures drawn by DrawFontPictures, shows them as images and
// turns them into the fixed display lists.
#pragma once

#include "overlay/gl/FontPictures.h"

#include <QImage>

class TFontForm {
  public:
    // Draws the five pictures; needs no GL context.
    TFontForm();

    // Builds display lists 1 .. 255 and 1000 .. 1003 from the pictures in the current GL context.
    void FormCreate() const;

    FontImages pictures; // the images below are made from these
    QImage Image2;       // 2048 x 8, one bit per pixel: glyph of code c in columns 8c .. 8c + 7
    QImage ImageOn;      // 32 x 32 switch symbol, closed contact
    QImage ImageOff;     // 32 x 32 switch symbol, open contact
    QImage Image20proz;  // 64 x 32 label "20 %", drawn within the centre half that is shown
    QImage Image80proz;  // 64 x 32 label "80 %"
};

// Creates the program's font holder on the first call and builds its display lists. Call it with
// the main window's GL context current, each time that context has been (re)initialised.
void CreateFontForm();
