#include "widgets/norwegian_look_panel.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace andel {
namespace {

// Liberation Sans and Arimo share Arial's advance widths. MS Sans Serif goes to them
// as well: it began as Windows' "Helv", drawn on Helvetica's widths, which Arial and
// so Liberation Sans keep; Debian has no closer metric match (DejaVu Sans, the
// fallback otherwise, runs about 15 % wider and breaks the layout). Tahoma, MS Sans
// Serif's successor, is a little wider than Arial, so its texts keep inside their
// places in Liberation Sans too. The display face of the certificate's title has no
// free metric twin; a bold serif of narrower set keeps the title inside its section.
struct Substitution {
    const char* family;
    QStringList replacements;
};

const Substitution kSubstitutions[] = {
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Arial Black", {"Liberation Sans", "Arimo"}},
    {"MS Sans Serif", {"Liberation Sans", "Arimo"}},
    {"Microsoft Sans Serif", {"Liberation Sans", "Arimo"}},
    {"MS Shell Dlg", {"Liberation Sans", "Arimo"}},
    {"MS Shell Dlg 2", {"Liberation Sans", "Arimo"}},
    {"Tahoma", {"Liberation Sans", "Arimo"}},
    {"Courier New", {"Liberation Mono", "Cousine"}},
    {"Copperplate Gothic Bold", {"Liberation Serif", "Tinos"}},
};

}  // namespace

void installLayoutFonts() {
    // The Windows program ships the Liberation fonts in fonts/ beside it (Windows has
    // the originals, Wine has neither); on Linux they come from the system.
    const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file : shipped.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        QFontDatabase::addApplicationFont(shipped.filePath(file));
    }
    for (const Substitution& s : kSubstitutions) {
        const QString family = QString::fromLatin1(s.family);
        if (QFont::substitutes(family) != s.replacements) {
            QFont::removeSubstitutions(family);
            QFont::insertSubstitutions(family, s.replacements);
        }
    }
}

bool installNorwegianTranslation(QCoreApplication& application) {
    // Installed last is asked first: Bokmål before the Nynorsk fallback.
    auto* nynorsk = new QTranslator(&application);
    if (nynorsk->load(QStringLiteral("qtbase_nn"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(nynorsk);
    } else {
        delete nynorsk;
    }
    auto* bokmaal = new QTranslator(&application);
    if (!bokmaal->load(QStringLiteral(":/translations/qtbase_nb.qm"))) {
        delete bokmaal;
        return false;
    }
    QCoreApplication::installTranslator(bokmaal);
    return true;
}

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

void preferNorwegianDates() { qputenv("LC_TIME", "nb_NO.UTF-8"); }

void applyNorwegianLook(QApplication& application) {
    QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    installLayoutFonts();
    installNorwegianTranslation(application);
    QApplication::setFont(windowFont());
}

}  // namespace andel
