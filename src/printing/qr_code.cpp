#include "printing/qr_code.h"

#include <qrencode.h>

#include <memory>
#include <string>

namespace andel {

QrSymbol qrSymbol(std::string_view text) {
    if (text.empty()) return {};
    const std::string zeroEnded(text);
    if (zeroEnded.find('\0') != std::string::npos) return {};
    // Case-sensitive: the alphanumeric mode is used where the text allows it.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(zeroEnded.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code) return {};
    QrSymbol symbol;
    symbol.size = code->width;
    symbol.dark.resize(static_cast<std::size_t>(code->width) * static_cast<std::size_t>(code->width));
    for (std::size_t i = 0; i < symbol.dark.size(); ++i) symbol.dark[i] = (code->data[i] & 1) != 0;
    return symbol;
}

void drawQrSymbol(InchCanvas& canvas, const QrSymbol& symbol, double left, double top, double module) {
    canvas.setPen(kBlack);
    canvas.setBrush(kBlack);
    for (int row = 0; row < symbol.size; ++row) {
        for (int column = 0; column < symbol.size;) {
            if (!symbol.at(row, column)) {
                ++column;
                continue;
            }
            int end = column;
            while (end < symbol.size && symbol.at(row, end)) ++end;
            canvas.rectangle(left + column * module, top + row * module, left + end * module, top + (row + 1) * module);
            column = end;
        }
    }
}

double qrSideWithQuietZone(const QrSymbol& symbol, double module) {
    return (symbol.size + 2 * kQrQuietModules) * module;
}

}  // namespace andel
