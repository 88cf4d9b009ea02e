#pragma once
// A slip as the bytes of a receipt printer without a driver (the ESC/POS command set):
// the printer reset, the Nordic code page (PC865, so æøåÆØÅ print as such), the slip's
// rows with its heading large and its total bold, its QR code made by the printer, a feed
// and a cut, and on a cash movement the pulse that opens the cash drawer on the printer's
// drawer port.
#include "printing/slip.h"

#include <string>

namespace andel {

// The text in code page 865; a character it lacks becomes "?".
std::string toCodePage865(const std::string& utf8);

// The whole job for one slip.
std::string escposSlip(const Slip& slip, bool openDrawer);

// Only the drawer pulse, for opening the drawer by hand.
std::string escposDrawerPulse();

// The single commands, for whoever reads the bytes back.
inline constexpr char kEscposInit[] = "\x1b@";
inline constexpr char kEscposNordic[] = "\x1bt\x05";           // code page PC865
inline constexpr char kEscposCut[] = "\x1dV\x42\x03";          // feed 3 lines, partial cut
inline constexpr char kEscposPulse[] = "\x1bp\x00\x19\xfa";   // drawer pin 2, 50 ms on, 500 ms off

}  // namespace andel
