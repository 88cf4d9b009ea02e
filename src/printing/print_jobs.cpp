#include "printing/print_jobs.h"

#include <algorithm>

namespace andel {

std::vector<PrintJob> printJobs(int shares) {
    std::vector<PrintJob> jobs;
    for (int share = 1; share <= shares; ++share) jobs.push_back({PrintJob::Kind::Certificate, share, 0, 0});
    const int mainListed = std::min(shares, kMainPartListRows);
    jobs.push_back({PrintJob::Kind::MainPart, shares + 1, mainListed > 0 ? 1 : 0, mainListed});
    for (int first = kMainPartListRows + 1; first <= kListedSharesLimit && shares >= first; first += kListPageRows) {
        const int last = std::min(shares, first + kListPageRows - 1);
        jobs.push_back({PrintJob::Kind::ListPage, 0, first, last});
    }
    return jobs;
}

}  // namespace andel
