#pragma once
// The print jobs of a syndicate of N shares, in the order they are printed: the
// certificates 1 to N, the main part with the first ten shares of the list, then the
// list pages for the shares beyond ten.
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

}  // namespace andel
