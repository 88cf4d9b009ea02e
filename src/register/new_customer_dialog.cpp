#include "register/new_customer_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>

namespace andel {
namespace {

QLineEdit* field(QWidget* parent, const char* name, int limit = 0) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (limit > 0) edit->setMaxLength(limit);
    return edit;
}

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string s(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

Tnykunde::Tnykunde(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tnykunde"));
    setWindowTitle(QStringLiteral("Registrere ny spiller"));
    auto* layout = new QGridLayout(this);
    // Typing stops where the record ends, so nothing is cut after the fact.
    fornavn_ = field(this, "fornavn", static_cast<int>(kFirstNameCapacity));
    etternavn_ = field(this, "etternavn", static_cast<int>(kLastNameCapacity));
    spillenummer_ = field(this, "spillenummer", kPlayerNumberFieldLimit);
    annen_ = field(this, "annen", static_cast<int>(kOtherInfoCapacity));
    int row = 0;
    for (const auto& [label, edit] : {std::pair{"Fornavn", fornavn_}, std::pair{"Etternavn", etternavn_},
                                      std::pair{"Spillenummer", spillenummer_}}) {
        layout->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
        layout->addWidget(edit, row++, 1);
    }

    auto* date = new QGroupBox(QStringLiteral("Reg. dato spillekort"), this);
    auto* dateLayout = new QGridLayout(date);
    dateLayout->addWidget(new QLabel(QStringLiteral("Dag  Mnd     År"), date), 0, 0, 1, 3);
    dag_ = field(date, "dag", kDayFieldLimit);
    mnd_ = field(date, "mnd", kMonthFieldLimit);
    aar_ = field(date, "aar", kYearFieldLimit);
    for (QLineEdit* part : {dag_, mnd_}) part->setFixedWidth(30);
    aar_->setFixedWidth(50);
    dateLayout->addWidget(dag_, 1, 0);
    dateLayout->addWidget(mnd_, 1, 1);
    dateLayout->addWidget(aar_, 1, 2);
    layout->addWidget(date, row++, 0, 1, 2);

    auto* phones = new QGroupBox(QStringLiteral("Telefon"), this);
    auto* phoneLayout = new QGridLayout(phones);
    telefon1_ = field(phones, "telefon1");
    telefon2_ = field(phones, "telefon2");
    phoneLayout->addWidget(new QLabel(QStringLiteral("Privat"), phones), 0, 0);
    phoneLayout->addWidget(telefon1_, 0, 1);
    phoneLayout->addWidget(new QLabel(QStringLiteral("Arbeid"), phones), 1, 0);
    phoneLayout->addWidget(telefon2_, 1, 1);
    layout->addWidget(phones, row++, 0, 1, 2);
    telefax1_ = field(this, "telefax1");
    layout->addWidget(new QLabel(QStringLiteral("Telefax"), this), row, 0);
    layout->addWidget(telefax1_, row++, 1);
    layout->addWidget(new QLabel(QStringLiteral("Annen identifikasjon"), this), row, 0);
    layout->addWidget(annen_, row++, 1);

    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QString(), this);
    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QString(), this);
    ok->setObjectName(QStringLiteral("ok"));
    cancel->setObjectName(QStringLiteral("avbryt"));
    // Enter presses this invisible default button, which does nothing.
    auto* enterCatcher = new QPushButton(this);
    enterCatcher->setObjectName(QStringLiteral("ingenting"));
    enterCatcher->setDefault(true);
    enterCatcher->setFixedSize(0, 0);
    for (QPushButton* button : {ok, cancel}) button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(enterCatcher);
    layout->addLayout(buttons, row, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &Tnykunde::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Tab walks the fields as they stand on screen, then the buttons.
    QWidget* const order[] = {fornavn_, etternavn_, spillenummer_, dag_, mnd_, aar_, telefon1_,
                              telefon2_, telefax1_, annen_, ok, cancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void Tnykunde::confirm() {
    const std::optional<FieldProblem> problem = fieldsProblem(fields());
    if (!problem) {
        accept();
        return;
    }
    if (messages_) messages_->inform(problem->message);
    if (auto* edit = findChild<QLineEdit*>(QString::fromStdString(problem->field))) {
        edit->setFocus();
        edit->selectAll();
    }
}

void Tnykunde::setFields(const CustomerFields& f) {
    const std::pair<QLineEdit*, const std::string*> pairs[] = {
        {fornavn_, &f.fornavn}, {etternavn_, &f.etternavn}, {spillenummer_, &f.spillenummer}, {dag_, &f.dag},
        {mnd_, &f.mnd},         {aar_, &f.aar},             {telefon1_, &f.telefon1},         {telefon2_, &f.telefon2},
        {telefax1_, &f.telefax1}, {annen_, &f.annen}};
    for (const auto& [edit, text] : pairs) edit->setText(q(*text));
}

CustomerFields Tnykunde::fields() const {
    return CustomerFields{s(fornavn_), s(etternavn_), s(spillenummer_), s(dag_),      s(mnd_),
                          s(aar_),     s(telefon1_),  s(telefon2_),     s(telefax1_), s(annen_)};
}

void Tnykunde::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shownBefore_) {
        // The first showing sits 60 pixels above its centred place, never above the top
        // of the screen's work area; later showings keep where it was.
        QPoint place = pos() - QPoint(0, 60);
        if (const QScreen* area = screen()) place.setY(std::max(place.y(), area->availableGeometry().top()));
        move(place);
    }
    shownBefore_ = true;
    fornavn_->setFocus();
}

}  // namespace andel
