#pragma once

// The images of the controls (":/image/...") are compiled into the user-interface library.
// A program links a static library's resource only when something refers to it: every control
// that draws an image calls this first.
void initControlArtwork();
