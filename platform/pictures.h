#pragma once
// Off-screen pictures addressed by number: the embedded ones decoded at start-up and
// blank ones the program draws into.
#include <string>

#include "platform/types.h"

namespace platform {

// Decodes embedded picture `picture` (JPEG through libjpeg; bitmaps and icons through
// the window system). False if it is missing or cannot be decoded.
bool DecodeEmbeddedPicture(int picture);
// Decodes a JPEG held in memory into picture `picture`.
bool DecodeJpegPicture(int picture, const std::string& jpegBytes);
// A blank picture of width x height logical pixels, held at `pixelRatio` device pixels
// per logical pixel; drawing into it takes logical coordinates.
bool CreateBlankPicture(int picture, int width, int height, double pixelRatio = 1.0);
bool PictureExists(int picture);
double PicturePixelRatio(int picture);  // 0 if missing
void FreePicture(int picture);
void FreeAllPictures();

// Pictures drawn on a thread of the program's own (a clock that draws each second):
// - the pictures and fonts it uses are made on the main thread before the thread
//   starts, and freed only after it has stopped: the tables of pictures and fonts change
//   only while no such thread runs;
// - while it runs, that thread owns its pictures: it alone draws into them and hands
//   them to controls (HandPictureToControl, HandPicturesToControls in controls.h); the
//   main thread neither draws into them nor shows them with SetControlPicture;
// - a picture handed over is the control's: the next drawing goes into another buffer,
//   so a picture on screen is never drawn over.

// Drawing. One thread draws into a given picture at a time.
void FillPictureRect(int picture, int x, int y, int width, int height, Rgb colour);
// Pixel width of `text` in font `font` (the system font if it is missing).
int TextWidth(int font, const std::string& text);
// Draws `text` with a transparent background, its top-left corner at (x, y).
void DrawPictureText(int picture, int font, int x, int y, Rgb colour, const std::string& text);

// Device pixels per logical pixel of the primary screen (2 on a 200 % desktop).
double ScreenPixelRatio();

// The colour the windows' background is painted with (faces of buttons and dialogs).
Rgb ButtonFaceColour();

}  // namespace platform
