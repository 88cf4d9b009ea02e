#pragma once
// The slip a buyer is handed at the counter ("Kvittering for andel"): the syndicate, the
// share, the buyer, the price and whether it is paid, and what the system guarantees.
#include "books/ledger.h"
#include "settings/agent_profile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// The system's promise as the main window's system panel words it.
inline constexpr std::string_view kSystemGuarantee =
    "Systemet garanterer ALLTID minst 11 rette hvis de sikre og halvgarderte kampene er riktig tippet.";

struct ReceiptSlip {
    std::string serialNumber, weekText, couponType, onlineFileName, player;
    int share = 0, shares = 0;
    ShareEntry buyer;
    std::int64_t price = 0;
    std::optional<std::int64_t> paid;
    std::optional<LedgerDate> paidOn;
    AgentProfile agent;
    LedgerDate printedOn;
    std::string shareCode;  // the share's code (model/share_code), printed as a QR code
};

// Why no slips can be printed for these shares ("" when they can): none chosen, a share
// the syndicate does not have, a share nobody has bought or nothing is paid of, a voided ledger.
std::string receiptRefusal(const Ledger& ledger, const std::vector<int>& shares);

// One slip per share, in the order given; call after receiptRefusal said "".
std::vector<ReceiptSlip> receiptSlips(const Ledger& ledger, const std::vector<int>& shares, const AgentProfile& agent,
                                      const LedgerDate& printedOn);

// "kr 146 betalt 02.03.2026", "kr 84 betalt" without a date, or "Ikke betalt".
std::string paymentText(const ReceiptSlip& slip);

}  // namespace andel
