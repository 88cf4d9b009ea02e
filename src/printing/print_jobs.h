#pragma once
// The print jobs of a syndicate of N shares, in the order they are printed: the
// certificates 1 to N, the main part with the first ten shares of the list, then the
// list pages for the shares beyond ten.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

struct PrintJob {
    enum class Kind { Certificate, MainPart, ListPage };
    Kind kind = Kind::Certificate;
    int share = 0;  // the certificate's number; N + 1 for the main part
    int firstListed = 0, lastListed = 0;  // the shares in its list; 0, 0 for none
    friend bool operator==(const PrintJob&, const PrintJob&) = default;
};

inline constexpr int kMainPartListRows = 10;
inline constexpr int kListPageRows = 35;
inline constexpr int kListedSharesLimit = 150;  // the list pages stop after share 150

std::vector<PrintJob> printJobs(int shares);

// The certificates a text names: "" is every one of 1 to `shares`; otherwise numbers and
// ranges separated by commas or blanks ("2", "1-3, 5"), in rising order, each once.
// Nothing for a text with anything else or a number outside 1 to `shares`.
std::optional<std::vector<int>> chosenCertificates(std::string_view text, int shares);

// The chosen certificates, then the main part and the list pages when `withMainPart`.
std::vector<PrintJob> printJobs(int shares, const std::vector<int>& certificates, bool withMainPart);

// "Andelsbrev \"9\" finnes ikke: andelslaget har 5 andeler. Skriv for eksempel 2 eller 1-3."
std::string unknownCertificatesMessage(std::string_view text, int shares);

}  // namespace andel
