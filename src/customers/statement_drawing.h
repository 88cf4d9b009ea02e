#pragma once
// A statement's pages on A4 through the inch canvas: the agent and the customer above the
// first page's lines, a short heading on the pages after it, the totals and the balances
// below the last page's lines, and "Side N av M" at the foot of every page.
#include "customers/statement.h"
#include "printing/inch_canvas.h"

namespace andel {

// How many lines the layout below holds per page.
StatementPageRoom statementPageRoom();

// One page; the caller begins the page (or the job) before it.
void drawStatementPage(InchCanvas& canvas, const Statement& statement, const StatementPage& page);

}  // namespace andel
