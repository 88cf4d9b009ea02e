#include "printing/print_jobs.h"

#include <algorithm>
#include <set>

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

std::optional<std::vector<int>> chosenCertificates(std::string_view text, int shares) {
    std::set<int> chosen;
    std::string part;
    const auto take = [&](const std::string& range) {
        if (range.empty()) return true;
        const auto dash = range.find('-');
        const std::string from = range.substr(0, dash), to = dash == std::string::npos ? from : range.substr(dash + 1);
        const auto number = [](const std::string& digits) {
            return !digits.empty() && digits.size() <= 4 && digits.find_first_not_of("0123456789") == std::string::npos
                       ? std::stoi(digits)
                       : -1;
        };
        const int first = number(from), last = number(to);
        if (first < 1 || last < first || last > shares) return false;
        for (int share = first; share <= last; ++share) chosen.insert(share);
        return true;
    };
    for (const char c : std::string(text) + ",") {
        if (c == ',' || c == ' ') {
            if (!take(part)) return std::nullopt;
            part.clear();
        } else {
            part += c;
        }
    }
    if (chosen.empty()) {
        if (text.find_first_not_of(" ,") != std::string_view::npos) return std::nullopt;
        for (int share = 1; share <= shares; ++share) chosen.insert(share);
    }
    return std::vector<int>(chosen.begin(), chosen.end());
}

std::vector<PrintJob> printJobs(int shares, const std::vector<int>& certificates, bool withMainPart) {
    std::vector<PrintJob> jobs;
    for (const PrintJob& job : printJobs(shares)) {
        const bool certificate = job.kind == PrintJob::Kind::Certificate;
        const bool chosen = std::find(certificates.begin(), certificates.end(), job.share) != certificates.end();
        if (certificate ? chosen : withMainPart) jobs.push_back(job);
    }
    return jobs;
}

std::string unknownCertificatesMessage(std::string_view text, int shares) {
    return "Andelsbrev \"" + std::string(text) + "\" finnes ikke: andelslaget har " + std::to_string(shares) +
           " andeler. Skriv for eksempel 2 eller 1-3.";
}

}  // namespace andel
