#include "printing/certificate_drawing.h"

#include "printing/certificate_fill.h"
#include "model/share_code.h"
#include "model/text.h"
#include "printing/certificate_pictures.h"
#include "printing/qr_code.h"
#include "printing/share_list.h"
#include "printing/system_block.h"

namespace andel {
namespace {

constexpr int kListPageMainPartTop = 10;
constexpr int kListPageListTop = 70;

Rgb fillColour(Fill fill, const CertificateTemplate& page) {
    switch (fill) {
        case Fill::Yellow: return kYellow;
        case Fill::LightGrey: return kLightGrey;
        case Fill::CouponColour: return page.couponColour;
        case Fill::Panel3Colour: return page.panel3Colour;
        case Fill::White: break;
    }
    return kWhite;
}

Font fontOf(const LayoutFont& font) {
    return Font{std::string(font.family), font.pointSize, font.bold, font.white ? kWhite : kBlack};
}

void drawElement(InchCanvas& canvas, const CertificateTemplate& page, const LayoutElement& element,
                 bool listPage = false) {
    const LayoutOrigin origin = sectionOrigin(element.section, page.margin, listPage);
    const double x = layoutInch(origin.left + element.x), y = layoutInch(origin.top + element.y);
    canvas.setPen(kBlack);
    canvas.setBrush(fillColour(element.fill, page));
    switch (element.kind) {
        case LayoutElement::Kind::Label:
            canvas.setFont(fontOf(element.font));
            canvas.moveTo(x, y);
            // A long online file name is shortened in the middle, so its end still shows
            // before the page's edge.
            canvas.text(canvas.fitTextMiddle(page.caption(element.name), canvas.pageMetrics().pageWidth - canvas.position().x));
            break;
        case LayoutElement::Kind::SectionRectangle:
        case LayoutElement::Kind::Panel: {
            const double right = x + layoutInch(element.width), bottom = y + layoutInch(element.height);
            canvas.rectangle(x, y, right, bottom);
            const std::string& caption = page.caption(element.name);
            if (element.kind == LayoutElement::Kind::Panel && !caption.empty()) {
                canvas.setFont(fontOf(element.font));
                canvas.moveTo((x + right) / 2, y + layoutInch(element.captionTop));
                canvas.centredText(caption);
            }
            break;
        }
        case LayoutElement::Kind::Picture: {
            const DeviceRect target = canvas.deviceRectangle(x, y, x + element.width * element.pictureScale,
                                                             y + element.height * element.pictureScale);
            canvas.drawPicture(target, certificatePicture(element.name));
            break;
        }
    }
}

// The share's code as a QR code, with the code written under it for a person to type, in
// the free corner of the bottom section right of the signature line; it moves with the
// margin as that section does.
constexpr int kCodeX = 492, kCodeY = 112;  // layout units in seksjon8
constexpr double kCodeModule = 0.03;      // inch

void drawShareCode(InchCanvas& canvas, const CertificateTemplate& page, int share) {
    const std::string serial = trimBlanks(page.serialNumber);
    const std::string code = serial == "0000" ? std::string() : shareCodeText(serial, share, page.week);
    const QrSymbol symbol = qrSymbol(code);
    if (symbol.dark.empty()) return;
    const LayoutOrigin origin = sectionOrigin(Section::Seksjon8, page.margin);
    const double left = layoutInch(origin.left + kCodeX), top = layoutInch(origin.top + kCodeY);
    const double quiet = kQrQuietModules * kCodeModule;
    drawQrSymbol(canvas, symbol, left + quiet, top + quiet, kCodeModule);
    canvas.setFont(Font{"Arial", 7, false});
    canvas.setClearBrush();
    canvas.moveTo(left + qrSideWithQuietZone(symbol, kCodeModule) / 2, top + qrSideWithQuietZone(symbol, kCodeModule));
    canvas.centredText(spacedShareCodeText(code));
}

}  // namespace

LayoutOrigin sectionOrigin(Section section, int margin, bool listPage) {
    const SectionPlace& place = sectionPlace(section);
    const int top = listPage && section == Section::Seksjon6b ? kListPageMainPartTop : place.top;
    return {place.followsMargin ? margin : place.left, top};
}

void drawPrintJob(InchCanvas& canvas, const CertificateTemplate& page, const PrintJob& job) {
    canvas.setFont(Font{"Arial", 10, false});
    canvas.setup(1.0);
    const ShareListStyle listStyle{page.cellColour, sectionOrigin(Section::Seksjon7, page.margin).left};
    if (job.kind == PrintJob::Kind::ListPage) {
        drawElement(canvas, page, mainPartLabel(), true);
        drawShareList(canvas, page, listStyle, kListPageListTop, job.firstListed, job.lastListed);
        return;
    }
    CertificateTemplate filled = page;
    filled.captions["andelnummer"] = shareNumberText(job.share, page.shares);
    for (const LayoutElement& element : commonElements()) drawElement(canvas, filled, element);
    if (job.kind == PrintJob::Kind::MainPart) {
        drawElement(canvas, filled, mainPartLabel());
        if (job.lastListed > 0) {
            drawShareList(canvas, page, listStyle, sectionPlace(Section::Seksjon7).top, job.firstListed, job.lastListed);
        }
    } else {
        for (const LayoutElement& element : certificateElements()) drawElement(canvas, filled, element);
        drawShareCode(canvas, filled, job.share);
        if (const ShareBuyer* buyer = page.buyerOf(job.share); buyer && !buyer->name.empty()) {
            filled.captions["andelseier"] = "Andelseier: " + buyer->name;
            drawElement(canvas, filled, buyerLabel());
        }
    }
    canvas.setFont(Font{"Arial", 10, false});
    canvas.setup(1.0);
    drawSystemBlock(canvas, filled);
}

}  // namespace andel
