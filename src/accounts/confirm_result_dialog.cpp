#include "accounts/confirm_result_dialog.h"

#include "model/text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace andel {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

Tgodkjennresultat::Tgodkjennresultat(const SyndicateFacts& facts, const HistoryRounds& history,
                                     const std::optional<ConfirmedRound>& marked, QWidget* parent)
    : QDialog(parent), both_(facts.timeBasis == TimeBasis::Both) {
    setObjectName(QStringLiteral("Tgodkjennresultat"));
    setWindowTitle(QStringLiteral("Godkjenn resultat"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(text("Serienummer " + facts.serialNumber + "    " + weekText(facts.week) + "    " +
                                  std::string(couponTypeText(facts.couponType)) + " " +
                                  std::string(timeBasisText(facts.timeBasis)) +
                                  "\nResultatet og premiene godkjennes som endelige. Gevinstene kan utbetales først da."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Resultat (1, X, 2)")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("12 rette kr")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("11 rette kr")), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("10 rette kr")), 0, 4);
    fullTime_ = addRound(grid, 1, both_ ? QStringLiteral("Fulltid") : QStringLiteral("Resultat"), "");
    if (both_) halfTime_ = addRound(grid, 2, QStringLiteral("Pause"), "pause");
    layout->addLayout(grid);
    fill(fullTime_, history.fullTime);
    if (both_) fill(halfTime_, history.halfTime);

    auto* source = new QLabel(history.fullTime ? QStringLiteral("Fylt ut fra tippehistorikken slik den står nå.")
                                               : QStringLiteral("Tippehistorikken har ikke resultatet ennå: skriv det inn."));
    source->setObjectName(QStringLiteral("kilde"));
    layout->addWidget(source);
    if (marked) {
        auto* take = new QPushButton(QStringLiteral("Bruk resultatet fra premietellingen"));
        take->setObjectName(QStringLiteral("brukpremietelling"));
        connect(take, &QPushButton::clicked, this, [this, marked] { fill(fullTime_, marked); });
        layout->addWidget(take);
    }
    fault_ = new QLabel;
    fault_->setObjectName(QStringLiteral("feil"));
    fault_->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(fault_);

    auto* buttons = new QDialogButtonBox;
    ok_ = buttons->addButton(QStringLiteral("Godkjenn"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("godkjenn"));
    auto* cancel = buttons->addButton(QStringLiteral("Avbryt"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("avbryt"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (result()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    check();
}

Tgodkjennresultat::RoundFields Tgodkjennresultat::addRound(QGridLayout* grid, int row, const QString& caption,
                                                           const char* prefix) {
    RoundFields fields{};
    grid->addWidget(new QLabel(caption), row, 0);
    fields.signs = new QLineEdit;
    fields.signs->setObjectName(QString::fromLatin1(prefix) + QStringLiteral("resultat"));
    fields.signs->setMaxLength(kMatches);
    fields.signs->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1xX2]{0,12}")), fields.signs));
    fields.signs->setMinimumWidth(fields.signs->fontMetrics().horizontalAdvance(QStringLiteral("XXXXXXXXXXXX")) + 16);
    grid->addWidget(fields.signs, row, 1);
    const char* names[] = {"p12", "p11", "p10"};
    for (int i = 0; i < 3; ++i) {
        fields.prizes[i] = new QLineEdit;
        fields.prizes[i]->setObjectName(QString::fromLatin1(prefix) + QString::fromLatin1(names[i]));
        fields.prizes[i]->setMaxLength(11);
        fields.prizes[i]->setAlignment(Qt::AlignRight);
        grid->addWidget(fields.prizes[i], row, 2 + i);
        connect(fields.prizes[i], &QLineEdit::textChanged, this, &Tgodkjennresultat::check);
    }
    connect(fields.signs, &QLineEdit::textChanged, this, &Tgodkjennresultat::check);
    return fields;
}

void Tgodkjennresultat::fill(const RoundFields& fields, const std::optional<ConfirmedRound>& round) {
    fields.signs->setText(round ? text(round->signs) : QString());
    const std::int64_t prizes[] = {round ? round->prize12 : 0, round ? round->prize11 : 0, round ? round->prize10 : 0};
    for (int i = 0; i < 3; ++i) fields.prizes[i]->setText(round ? text(formatAmount(prizes[i])) : QString());
}

std::optional<ConfirmedRound> Tgodkjennresultat::read(const RoundFields& fields, const QString& caption,
                                                      QString& fault) const {
    ConfirmedRound round;
    round.signs = fields.signs->text().toUpper().toStdString();
    if (round.signs.size() != static_cast<std::size_t>(kMatches)) {
        fault = caption + QStringLiteral(": skriv tolv tegn 1, X eller 2.");
        return std::nullopt;
    }
    std::int64_t* prizes[] = {&round.prize12, &round.prize11, &round.prize10};
    const char* rights[] = {"12", "11", "10"};
    for (int i = 0; i < 3; ++i) {
        const QString typed = fields.prizes[i]->text().trimmed();
        const auto amount = parseWholeKroner(typed.isEmpty() ? std::string("0") : typed.toStdString());
        if (!amount) {
            fault = caption + QStringLiteral(": premien for ") + QString::fromLatin1(rights[i]) +
                    QStringLiteral(" rette er ikke et helt antall kroner.");
            return std::nullopt;
        }
        *prizes[i] = *amount;
    }
    return round;
}

std::optional<ConfirmedResult> Tgodkjennresultat::result() const {
    QString fault;
    const auto fullTime = read(fullTime_, both_ ? QStringLiteral("Fulltid") : QStringLiteral("Resultatet"), fault);
    std::optional<ConfirmedRound> halfTime;
    if (fullTime && both_) halfTime = read(halfTime_, QStringLiteral("Pause"), fault);
    if (fault_) fault_->setText(fault);
    if (!fullTime || (both_ && !halfTime)) return std::nullopt;
    return ConfirmedResult{todayLedgerDate(), *fullTime, halfTime};
}

void Tgodkjennresultat::check() {
    if (ok_) ok_->setEnabled(result().has_value());
}

}  // namespace andel
