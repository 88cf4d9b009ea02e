#include "printing/certificate_print_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace andel {

TForm1::TForm1(QWidget* parent, Messages* messages)
    : PrintChoiceDialog(parent, messages,
                        {QStringLiteral("Skriver ut andelsbrev"), QStringLiteral("Forhåndsvisning av andelsbrevene"),
                         "andelsbrevene", QStringLiteral("andelsbrev.pdf")}) {
    setObjectName(QStringLiteral("Form1"));
    auto* settingsGroup = new QGroupBox(QStringLiteral("Div innstillinger"), this);
    settingsGroup->setObjectName(QStringLiteral("GroupBox2"));
    venstremarg_ = new QComboBox(settingsGroup);
    venstremarg_->setObjectName(QStringLiteral("venstremarg"));
    for (int margin = 0; margin <= kMaxMargin; ++margin) venstremarg_->addItem(QStringLiteral("%1").arg(margin, 2, 10, QLatin1Char('0')));
    finjusterhoyde_ = new QComboBox(settingsGroup);
    finjusterhoyde_->setObjectName(QStringLiteral("finjusterhoyde"));
    finjusterhoyde_->addItems({QStringLiteral("0"), QStringLiteral("1+")});
    spargulfarge_ = new QCheckBox(QStringLiteral("Spar på gulfargen   "), settingsGroup);
    spargulfarge_->setObjectName(QStringLiteral("spargulfarge"));
    auto* settingsGrid = new QGridLayout(settingsGroup);
    settingsGrid->addWidget(new QLabel(QStringLiteral("Venstre marg :"), settingsGroup), 0, 0);
    settingsGrid->addWidget(venstremarg_, 0, 1);
    settingsGrid->addWidget(new QLabel(QStringLiteral("Juster tippetegn"), settingsGroup), 1, 0);
    settingsGrid->addWidget(finjusterhoyde_, 1, 1);
    settingsGrid->addWidget(spargulfarge_, 2, 0, 1, 2);
    // One certificate can be printed again: "2", "1-3, 5"; empty prints every one.
    andelsbrev_ = new QLineEdit(settingsGroup);
    andelsbrev_->setObjectName(QStringLiteral("andelsbrev"));
    andelsbrev_->setPlaceholderText(QStringLiteral("alle"));
    andelsbrev_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ,-]*")), andelsbrev_));
    andelsbrev_->setToolTip(QStringLiteral("Andelsbrevene som skrives ut, for eksempel 2 eller 1-3. Tomt: alle."));
    auto* certificatesLabel = new QLabel(QStringLiteral("Andelsbrev &nr. :"), settingsGroup);
    certificatesLabel->setBuddy(andelsbrev_);
    settingsGrid->addWidget(certificatesLabel, 3, 0);
    settingsGrid->addWidget(andelsbrev_, 3, 1);
    hoveddel_ = new QCheckBox(QStringLiteral("Med &hoveddel og andelsliste"), settingsGroup);
    hoveddel_->setObjectName(QStringLiteral("hoveddel"));
    hoveddel_->setChecked(true);
    settingsGrid->addWidget(hoveddel_, 4, 0, 1, 2);
    addSettings(settingsGroup);
}

void TForm1::setChoices(const PrintChoices& choices) {
    venstremarg_->setCurrentIndex(std::clamp(choices.margin, 0, kMaxMargin));
    finjusterhoyde_->setCurrentIndex(choices.markAdjustment == 1 ? 1 : 0);
    spargulfarge_->setChecked(choices.saveYellow);
    andelsbrev_->setText(QString::fromStdString(choices.certificates));
    hoveddel_->setChecked(choices.mainPart);
}

PrintChoices TForm1::choices() const {
    return {venstremarg_->currentIndex(), finjusterhoyde_->currentIndex(), spargulfarge_->isChecked(),
            andelsbrev_->text().toStdString(), hoveddel_->isChecked()};
}

void TForm1::setOutput(PagePainter pages, PdfWriter pdf) {
    pages_ = std::move(pages);
    pdf_ = std::move(pdf);
}

}  // namespace andel
