#include "printing/print_jobs.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace andel
