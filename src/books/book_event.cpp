#include "books/book_event.h"

#include <array>
#include <chrono>
#include <utility>

namespace andel {
namespace {

constexpr std::array<std::pair<EventKind, std::string_view>, 15> kWords{{
    {EventKind::LedgerOpened, "ledger_opened"},
    {EventKind::BuyerSet, "buyer_set"},
    {EventKind::PaymentCash, "payment_cash"},
    {EventKind::PaymentBalance, "payment_balance"},
    {EventKind::PayoutCash, "payout_cash"},
    {EventKind::ResultConfirmed, "result_confirmed"},
    {EventKind::SaleClosed, "sale_closed"},
    {EventKind::SaleReopened, "sale_reopened"},
    {EventKind::LedgerVoided, "ledger_voided"},
    {EventKind::RefundPaid, "refund_paid"},
    {EventKind::Reversal, "reversal"},
    {EventKind::CashDeposit, "cash_deposit"},
    {EventKind::CashWithdrawal, "cash_withdrawal"},
    {EventKind::DayClosed, "day_closed"},
    {EventKind::DrawerOpened, "drawer_opened"},
}};

}  // namespace

std::string_view eventKindWord(EventKind kind) {
    for (const auto& [k, word] : kWords) {
        if (k == kind) return word;
    }
    return "unknown";
}

std::optional<EventKind> eventKindOf(std::string_view word) {
    for (const auto& [kind, w] : kWords) {
        if (w == word) return kind;
    }
    return std::nullopt;
}

std::string encodeDetail(const std::map<std::string, std::string>& detail) {
    std::string text;
    for (const auto& [key, value] : detail) {
        if (!text.empty()) text += '\t';
        text += key + '=' + value;
    }
    return text;
}

std::map<std::string, std::string> decodeDetail(std::string_view text) {
    std::map<std::string, std::string> detail;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\t'), text.size());
        const std::string_view field = text.substr(0, end);
        if (const std::size_t eq = field.find('='); eq != std::string_view::npos) {
            detail.emplace(std::string(field.substr(0, eq)), std::string(field.substr(eq + 1)));
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return detail;
}

std::string isoDate(const LedgerDate& date) {
    const std::string text = ledgerDateText(date);  // DD.MM.YYYY
    return text.substr(6, 4) + "-" + text.substr(3, 2) + "-" + text.substr(0, 2);
}

std::optional<LedgerDate> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const std::string ledgerForm =
        std::string(text.substr(8, 2)) + "." + std::string(text.substr(5, 2)) + "." + std::string(text.substr(0, 4));
    return parseLedgerDate(ledgerForm);
}

}  // namespace andel
