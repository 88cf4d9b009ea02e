#include "customers/counter_slips.h"

#include "books/ledger_edit.h"
#include "model/share_code.h"
#include "model/text.h"

namespace andel {
namespace {

// The heading, the agent and the syndicate every slip of the counter begins with.
Slip slipHead(const std::string& heading, const AgentProfile& agent, const std::string& serialNumber,
              const std::string& weekText, const std::string& couponType) {
    Slip slip;
    slip.heading(heading);
    slip.text(trimBlanks(agent.companyName));
    slip.text(trimBlanks(agent.streetAddress) + ", " + trimBlanks(agent.postalAddress));
    slip.text("Telefon " + trimBlanks(agent.telephone));
    slip.rule();
    slip.field("Serienummer:", serialNumber);
    slip.field("Spilleomgang:", weekText);
    slip.field("Kupong:", couponType);
    return slip;
}

// The share's code to scan, and the day printed, at the foot.
void slipFoot(Slip& slip, const std::string& shareCode, const LedgerDate& printedOn) {
    if (!shareCode.empty()) slip.qr(shareCode, spacedShareCodeText(shareCode));
    slip.text("Utskrevet " + ledgerDateText(printedOn));
}

void buyerFields(Slip& slip, const ShareEntry& buyer) {
    slip.field("Kjøper:", buyer.name);
    if (!buyer.telephone.empty()) slip.field("Telefon:", buyer.telephone);
    if (!buyer.playerNumber.empty()) slip.field("Spillenummer:", buyer.playerNumber);
}

std::string shareText(int share, int shares) { return std::to_string(share) + " av " + std::to_string(shares); }

}  // namespace

Slip receiptSlipOf(const ReceiptSlip& r) {
    Slip slip = slipHead("KVITTERING FOR ANDEL", r.agent, r.serialNumber, r.weekText, r.couponType);
    slip.field("Spiller:", r.player);
    slip.field("Andel nummer:", shareText(r.share, r.shares));
    buyerFields(slip, r.buyer);
    slip.field("Pris:", kronerText(r.price));
    slip.total("Betalt:", r.paid ? kronerText(*r.paid) : "Ikke betalt");
    if (r.paidOn) slip.field("Betalt dato:", ledgerDateText(*r.paidOn));
    slip.space();
    slip.text(std::string(kSystemGuarantee));
    slip.space();
    slipFoot(slip, r.shareCode, r.printedOn);
    return slip;
}

std::string payoutSlipRefusal(const Ledger& ledger, int share) {
    if (std::string refused = checkShare(ledger, share); !refused.empty()) return refused;
    if (std::string voided = refuseVoided(ledger); !voided.empty()) return voided;
    if (ledger.entries[static_cast<std::size_t>(share - 1)].paidOut.value_or(0) <= 0) {
        return "Andel " + std::to_string(share) + " har ingen utbetaling: utbetalingskvittering skrives etter at gevinsten er utbetalt.";
    }
    return {};
}

PayoutSlip payoutSlipOf(const Ledger& ledger, int share, const AgentProfile& agent, const LedgerDate& printedOn) {
    const SyndicateFacts& f = ledger.facts;
    const ShareEntry& entry = ledger.entries.at(static_cast<std::size_t>(share - 1));
    return PayoutSlip{f.serialNumber,
                      weekText(f.week),
                      std::string(couponTypeText(f.couponType)),
                      shareCodeText(f.serialNumber, share, f.week),
                      share,
                      f.shares,
                      entry,
                      entry.paidOut.value_or(0),
                      entry.paidOutInCash(),
                      entry.paidOutOn.value_or(printedOn),
                      printedOn,
                      agent};
}

Slip payoutSlipOf(const PayoutSlip& p) {
    Slip slip = slipHead("UTBETALING AV GEVINST", p.agent, p.serialNumber, p.weekText, p.couponType);
    slip.field("Andel nummer:", shareText(p.share, p.shares));
    buyerFields(slip, p.buyer);
    slip.field("Utbetalt dato:", ledgerDateText(p.paidOutOn));
    if (p.inCash != p.paidOut) {
        slip.field("Til saldo:", kronerText(p.paidOut - p.inCash));
        slip.total("Utbetalt kontant:", kronerText(p.inCash));
    } else {
        slip.total("Utbetalt:", kronerText(p.paidOut));
    }
    slip.space();
    slip.text("Gevinsten er mottatt:");
    slip.space();
    slip.space();
    slip.text(std::string(kSlipColumns, '_'));
    slip.space();
    slipFoot(slip, p.shareCode, p.printedOn);
    return slip;
}

}  // namespace andel
