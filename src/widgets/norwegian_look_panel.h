#pragma once
// The look every window and every printed page shares, set once at start by the desktop
// program and by the command-line tool before it paints: Qt's own texts in Bokmål and
// the layout's fonts resolved to metric-compatible faces, so the widths the windows and
// the certificate were laid out for hold on every machine.
#include <QFont>

class QApplication;
class QCoreApplication;

namespace andel {

// Arial, MS Sans Serif, Courier New and the certificate's display faces resolve to
// metric-compatible fonts where the originals are missing (Liberation, Croscore), with
// the fonts in fonts/ beside the program added first.
void installLayoutFonts();

// Qt's texts in Bokmål (built into the program), then Qt's Nynorsk for anything the
// Bokmål catalogue lacks. False when the Bokmål catalogue could not be loaded.
bool installNorwegianTranslation(QCoreApplication& application);

// The windows' own font: MS Sans Serif 8, as the layout was drawn in.
QFont windowFont();

// Dates in Qt's dialogs (the file dialog's "Sist endret") in Norwegian whatever the
// machine's locale; only the time category, so numbers and texts in files keep their
// form. Call before the application is made.
void preferNorwegianDates();

// All of the above for the desktop program; Qt's dialogs are Qt's own widgets so that a
// desktop's native dialog does not answer in the machine's language.
void applyNorwegianLook(QApplication& application);

}  // namespace andel
