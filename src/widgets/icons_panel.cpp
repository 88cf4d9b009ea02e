#include "widgets/icons_panel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace andel {
namespace {

void drawPicture(QPainter& p, Picture picture, double s) {
    const QColor ink(30, 30, 60);
    p.setPen(QPen(ink, s / 16));
    switch (picture) {
        case Picture::Printer:
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(s * .15, s * .4, s * .7, s * .32));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(s * .28, s * .12, s * .44, s * .28));
            p.drawRect(QRectF(s * .28, s * .62, s * .44, s * .26));
            break;
        case Picture::Trophy:
            p.setBrush(QColor(240, 190, 40));
            p.drawChord(QRectF(s * .22, s * .0, s * .56, s * .7), 180 * 16, 180 * 16);
            p.drawRect(QRectF(s * .45, s * .35, s * .1, s * .35));
            p.drawRect(QRectF(s * .3, s * .72, s * .4, s * .12));
            break;
        case Picture::Disk:
            p.setBrush(QColor(60, 90, 170));
            p.drawRect(QRectF(s * .15, s * .15, s * .7, s * .7));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(s * .3, s * .15, s * .4, s * .25));
            p.drawRect(QRectF(s * .25, s * .55, s * .5, s * .3));
            break;
        case Picture::OnlineFile: {
            // A page of coupons with an arrow out to the terminal: not the disk of storing.
            QPainterPath page;
            page.moveTo(s * .12, s * .1);
            page.lineTo(s * .45, s * .1);
            page.lineTo(s * .58, s * .23);
            page.lineTo(s * .58, s * .88);
            page.lineTo(s * .12, s * .88);
            page.closeSubpath();
            p.setBrush(Qt::white);
            p.drawPath(page);
            for (int line = 0; line < 4; ++line) {
                p.drawLine(QPointF(s * .2, s * (.35 + line * .13)), QPointF(s * .48, s * (.35 + line * .13)));
            }
            QPainterPath arrow;
            arrow.moveTo(s * .5, s * .48);
            arrow.lineTo(s * .7, s * .48);
            arrow.lineTo(s * .7, s * .36);
            arrow.lineTo(s * .92, s * .58);
            arrow.lineTo(s * .7, s * .8);
            arrow.lineTo(s * .7, s * .68);
            arrow.lineTo(s * .5, s * .68);
            arrow.closeSubpath();
            p.setBrush(QColor(40, 140, 70));
            p.drawPath(arrow);
            break;
        }
        case Picture::Player:
            p.setBrush(QColor(230, 180, 140));
            p.drawEllipse(QRectF(s * .35, s * .1, s * .3, s * .3));
            p.setBrush(QColor(60, 90, 170));
            p.drawChord(QRectF(s * .18, s * .45, s * .64, s * .7), 0, 180 * 16);
            break;
        case Picture::Menu:
            p.setBrush(ink);
            for (int i = 0; i < 3; ++i) p.drawRect(QRectF(s * .2, s * (.25 + i * .2), s * .6, s * .06));
            break;
        case Picture::Close:
            p.setPen(QPen(QColor(190, 30, 30), s / 8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(s * .25, s * .25), QPointF(s * .75, s * .75));
            p.drawLine(QPointF(s * .75, s * .25), QPointF(s * .25, s * .75));
            break;
        case Picture::Folder:
            p.setBrush(QColor(235, 200, 90));
            p.drawRect(QRectF(s * .12, s * .3, s * .76, s * .5));
            p.drawRect(QRectF(s * .12, s * .22, s * .3, s * .1));
            break;
        case Picture::Ledger:  // an account book: ruled lines and a column of amounts
            p.setBrush(QColor(250, 245, 225));
            p.drawRect(QRectF(s * .18, s * .12, s * .64, s * .76));
            p.setPen(QPen(QColor(60, 90, 170), s / 24.0));
            for (int i = 0; i < 4; ++i) p.drawLine(QPointF(s * .26, s * (.3 + i * .14)), QPointF(s * .74, s * (.3 + i * .14)));
            p.setPen(QPen(QColor(190, 30, 30), s / 24.0));
            p.drawLine(QPointF(s * .58, s * .16), QPointF(s * .58, s * .84));
            break;
        case Picture::Calendar:
            p.setBrush(Qt::white);
            p.drawRect(QRectF(s * .15, s * .2, s * .7, s * .65));
            p.setBrush(QColor(190, 30, 30));
            p.drawRect(QRectF(s * .15, s * .2, s * .7, s * .18));
            break;
        case Picture::Reset: {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(40, 120, 60), s / 9, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(s * .2, s * .2, s * .6, s * .6), 60 * 16, 280 * 16);
            QPainterPath head;
            head.moveTo(s * .62, s * .08);
            head.lineTo(s * .8, s * .26);
            head.lineTo(s * .55, s * .3);
            p.fillPath(head, QColor(40, 120, 60));
            break;
        }
    }
}

}  // namespace

QIcon pictureIcon(Picture picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPicture(painter, picture, size);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace andel
