#include "printing/print_jobs.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace andel {
namespace {

using Kind = PrintJob::Kind;

struct JobsCase {
    int shares;
    int mainPartListed;                          // rows of the main part's list
    std::vector<std::pair<int, int>> listPages;  // first and last share of each list page
};

TEST(PrintJobsTest, CertificatesThenTheMainPartThenTheListPages) {
    const JobsCase cases[] = {
        {5, 5, {}},
        {10, 10, {}},
        {11, 10, {{11, 11}}},
        {46, 10, {{11, 45}, {46, 46}}},
        {120, 10, {{11, 45}, {46, 80}, {81, 115}, {116, 120}}},
        {200, 10, {{11, 45}, {46, 80}, {81, 115}, {116, 150}}},  // shares above 150 are not listed
    };
    for (const JobsCase& c : cases) {
        const std::vector<PrintJob> jobs = printJobs(c.shares);
        ASSERT_EQ(jobs.size(), static_cast<std::size_t>(c.shares + 1) + c.listPages.size()) << c.shares;
        for (int i = 0; i < c.shares; ++i) EXPECT_EQ(jobs[i], (PrintJob{Kind::Certificate, i + 1, 0, 0}));
        EXPECT_EQ(jobs[c.shares], (PrintJob{Kind::MainPart, c.shares + 1, 1, c.mainPartListed})) << c.shares;
        for (std::size_t p = 0; p < c.listPages.size(); ++p) {
            const PrintJob& page = jobs[c.shares + 1 + p];
            EXPECT_EQ(page.kind, Kind::ListPage);
            EXPECT_EQ(std::make_pair(page.firstListed, page.lastListed), c.listPages[p]) << c.shares << " page " << p;
        }
    }
}

// One certificate can be printed again without the others or the main part.
TEST(PrintJobsTest, ChosenCertificatesAreNamedByNumbersAndRanges) {
    const struct {
        const char* text;
        std::optional<std::vector<int>> chosen;
    } cases[] = {
        {"", std::vector<int>{1, 2, 3, 4, 5}}, {"  ", std::vector<int>{1, 2, 3, 4, 5}},
        {"2", std::vector<int>{2}},           {"1-3, 5", std::vector<int>{1, 2, 3, 5}},
        {"5,1 1", std::vector<int>{1, 5}},    {"0", std::nullopt},
        {"6", std::nullopt},                  {"3-2", std::nullopt},
        {"1-", std::nullopt},                 {"x", std::nullopt},
        {"99999", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(chosenCertificates(c.text, 5), c.chosen);
    }
    const std::vector<PrintJob> one = printJobs(12, {2}, false);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], (PrintJob{Kind::Certificate, 2, 0, 0}));
    const std::vector<PrintJob> withMain = printJobs(12, {2, 3}, true);
    ASSERT_EQ(withMain.size(), 4u);  // two certificates, the main part, one list page
    EXPECT_EQ(withMain[2].kind, Kind::MainPart);
    EXPECT_EQ(withMain[3].kind, Kind::ListPage);
    EXPECT_EQ(unknownCertificatesMessage("9", 5),
              "Andelsbrev \"9\" finnes ikke: andelslaget har 5 andeler. Skriv for eksempel 2 eller 1-3.");
}

}  // namespace
}  // namespace andel
