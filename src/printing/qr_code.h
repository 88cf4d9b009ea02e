#pragma once
// QR codes through the inch canvas: the modules of a text's symbol (Debian's libqrencode)
// painted as black rectangles, one per run of dark modules in a row, so they come out
// sharp on a printer, a PDF and a receipt slip alike.
#include "printing/inch_canvas.h"

#include <string_view>
#include <vector>

namespace andel {

struct QrSymbol {
    int size = 0;             // modules per side, without the quiet zone
    std::vector<bool> dark;   // row by row
    bool at(int row, int column) const { return dark[static_cast<std::size_t>(row * size + column)]; }
};

// The symbol of the text at error correction level M; nothing for an empty text or one
// too long for a symbol. Letters and digits only use the compact alphanumeric mode.
QrSymbol qrSymbol(std::string_view text);

// The modules of a symbol on the canvas with (left, top) its top-left module's corner and
// `module` inches per module; the quiet zone around it (4 modules) is the caller's to keep
// clear. Pen and brush are left black.
void drawQrSymbol(InchCanvas& canvas, const QrSymbol& symbol, double left, double top, double module);

// The side of a drawn symbol in inches, its quiet zone included.
double qrSideWithQuietZone(const QrSymbol& symbol, double module);
inline constexpr int kQrQuietModules = 4;

}  // namespace andel
