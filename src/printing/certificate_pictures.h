#pragma once
// The five pictures of the certificate, drawn by the program itself: the two ball
// figures, the title artwork and the two artworks for eleven right. Each has the size of
// its place in the layout; unpainted pixels are transparent.
#include "printing/inch_canvas.h"

#include <string_view>

namespace andel {

// "ballmannleft", "ballmannright", "kryssen", "ellverette" or "ellverette2"; an empty
// picture for any other name.
const PictureBitmap& certificatePicture(std::string_view name);

}  // namespace andel
