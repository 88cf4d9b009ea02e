#include "demo_register.h"

#include "model/game_week.h"
#include "model/stem.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "register/customer_cells.h"
#include "register/customer_record.h"
#include "register/register_file.h"
#include "storage/storage_directory.h"
#include "storage/storage_file.h"
#include "storage/storage_listing.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <array>
#include <string>

namespace andel::demo {
namespace {

struct DemoCustomer {
    const char* firstName;
    const char* lastName;
    std::uint32_t playerNumber;
    int day, month, year;
    std::uint32_t telephone, work;
    const char* other;
};

// Made-up players of a kiosk in Bergen.
constexpr std::array<DemoCustomer, 40> kCustomers = {{
    {"Kari", "Nordmann", 123456789, 7, 3, 2009, 55314207, 0, "Fast andelslag lørdag"},
    {"Ola", "Hansen", 204518337, 12, 1, 2004, 55203344, 55906612, ""},
    {"Ingrid", "Johansen", 318004562, 28, 12, 2003, 91234567, 0, "Betaler kontant"},
    {"Per", "Olsen", 100200300, 5, 3, 2004, 55281190, 0, ""},
    {"Åse", "Ødegård", 442901118, 15, 8, 2006, 97654321, 55112233, "Førerkort"},
    {"Bjørn", "Larsen", 512338801, 1, 9, 2001, 55162030, 0, ""},
    {"Liv", "Andersen", 600712245, 19, 4, 2007, 48221190, 0, "Ringer før kampstart"},
    {"Geir", "Pedersen", 711450032, 23, 11, 2002, 55341876, 55334400, ""},
    {"Hilde", "Nilsen", 12345, 2, 2, 2005, 92003311, 0, ""},
    {"Tor", "Kristiansen", 813337004, 30, 6, 2008, 55290011, 0, "Bedriftslag"},
    {"Marit", "Jensen", 920014456, 11, 10, 2000, 41556677, 0, ""},
    {"Knut", "Karlsen", 334556778, 8, 5, 2003, 55187722, 0, ""},
    {"Randi", "Berg", 445667889, 14, 7, 2006, 93445566, 0, "Andel i to lag"},
    {"Svein", "Haugen", 556778990, 26, 2, 2007, 55109988, 55100000, ""},
    {"Tone", "Aasheim", 667889001, 3, 12, 2004, 98112233, 0, ""},
    {"Arne", "Bakken", 778990112, 17, 9, 2005, 55228877, 0, ""},
    {"Gunn", "Eide", 889001223, 21, 3, 2001, 47889900, 0, "Pensjonist"},
    {"Rune", "Solberg", 990112334, 9, 1, 2009, 55376655, 0, ""},
    {"Hege", "Strand", 101223445, 29, 4, 2002, 92778899, 0, ""},
    {"Odd", "Moen", 212334556, 6, 6, 2006, 55119090, 0, ""},
    {"Berit", "Dahl", 323445667, 13, 8, 2003, 95443322, 0, ""},
    {"Jan", "Lie", 434556778, 24, 10, 2007, 55223311, 55200000, "Kollega av Tor"},
    {"Anne", "Lund", 545667889, 4, 11, 2000, 90887766, 0, ""},
    {"Terje", "Halvorsen", 656778990, 16, 5, 2008, 55334422, 0, ""},
    {"Wenche", "Jakobsen", 767889001, 27, 2, 2004, 46112244, 0, ""},
    {"Kjell", "Sæther", 878990112, 10, 7, 2005, 55445566, 0, ""},
    {"Solveig", "Myhre", 989001223, 22, 12, 2001, 94556677, 0, ""},
    {"Frode", "Gundersen", 90112334, 1, 4, 2006, 55556677, 0, "Tidligere Lyn-spiller"},
    {"Turid", "Iversen", 201223445, 18, 9, 2002, 93667788, 0, ""},
    {"Øyvind", "Rasmussen", 312334556, 7, 1, 2008, 55667788, 0, ""},
    {"Else", "Kristoffersen", 423445667, 25, 6, 2003, 97778899, 0, ""},
    {"Harald", "Knutsen", 534556778, 12, 3, 2007, 55778899, 0, ""},
    {"Ragnhild", "Sørensen", 645667889, 5, 10, 2000, 41889900, 0, ""},
    {"Håkon", "Bråthen", 756778990, 20, 8, 2004, 55889900, 0, ""},
    {"Torill", "Fredriksen", 867889001, 8, 2, 2009, 92990011, 0, ""},
    {"Eirik", "Mathisen", 978990112, 15, 11, 2005, 55990011, 0, ""},
    {"Inger", "Ellingsen", 89001223, 3, 5, 2001, 98001122, 0, ""},
    {"Stein", "Lunde", 190112334, 28, 7, 2006, 55012233, 0, ""},
    {"Sissel", "Hagen", 0, 0, 0, 0, 0, 0, "Ikke registrert spillekort"},
    {"Vidar", "Nordmann", 301223445, 14, 1, 2003, 55314208, 0, "Bror av Kari"},
}};

struct DemoSyndicate {
    int customer;     // index into kCustomers
    int weeksBack;    // game weeks before today
    const char* stem;  // twelve mask digits
    int couponType, timeBasis, shareIndex;
    StorageMode mode;
};

constexpr std::array<DemoSyndicate, 4> kSyndicates = {{
    {0, 0, "446677777777", 0, 0, 4, StorageMode::Lager},
    {1, 1, "644477777777", 0, 0, 9, StorageMode::Online},
    {9, 2, "424277777777", 1, 0, 19, StorageMode::Lager},
    {4, 3, "777777777244", 2, 2, 2, StorageMode::Lager},
}};

}  // namespace

void writeDemoRegister(const Workspace& demo) {
    if (fileExists(registerPath(demo))) return;
    std::string bytes;
    for (const DemoCustomer& d : kCustomers) {
        Tkunderec c;
        c.firstName = d.firstName;
        c.lastName = d.lastName;
        c.otherInfo = d.other;
        c.playerNumber = d.playerNumber;
        c.day = d.day;
        c.month = d.month;
        c.year = d.year;
        c.telephone1 = d.telephone;
        c.telephone2 = d.work;
        bytes += encodeKunderec(c);
    }
    replaceFile(registerPath(demo), bytes, demo.file(std::string(kAppendTemporaryName)));
}

void writeDemoStorage(const Workspace& demo) {
    const std::optional<std::filesystem::path> directory = enterStorageDirectory(demo.root());
    if (!directory || !storageFiles(*directory).empty()) return;
    const LocalDateTime now = localNow();
    for (const DemoSyndicate& s : kSyndicates) {
        const DemoCustomer& player = kCustomers[s.customer];
        WorkbenchState state = initialWorkbenchState();
        Stem stem;
        for (int m = 0; m < kMatches; ++m) stem.masks[m] = static_cast<SignMask>(s.stem[m] - '0');
        putStem(state, stem);
        state.kupongtype = s.couponType;
        state.pauseordiner = s.timeBasis;
        state.antallandeler = state.antallandeler2 = s.shareIndex;
        recomputeSystem(state);
        const auto weekDate = std::chrono::sys_days{now.date} - std::chrono::days{7 * s.weeksBack};
        state.ukecomboboxItems = {gameWeekText(gameWeekOf(std::chrono::year_month_day{weekDate}))};
        state.xfornavn = player.firstName;
        state.etternavn = player.lastName;
        state.spillenummer = groupedPlayerNumber(std::to_string(player.playerNumber));
        const LocalDateTime savedAt{std::chrono::year_month_day{weekDate - std::chrono::days{2}}, 18, 30,
                                    s.customer % 60};
        if (s.mode == StorageMode::Online) {
            state.online.serialNumber = "1042";
            state.online.pathAndName = "C:\\NTFILE\\KRYSSEN_1042.NTF";
            state.online.date = "Dato " + storageFileName(savedAt).substr(5, 8) + "  Kl 18:30:00";
        }
        replaceFile(*directory / storageFileName(savedAt),
                    encodeTextLines(storageFileLines(state, s.mode, state.online.serialNumber, savedAt)));
    }
}

}  // namespace andel::demo
