#pragma once
// The keys this program reads and writes in the settings stores, with their defaults.
#include <string_view>

namespace andel {

struct TextKey {
    std::string_view name;
    std::string_view fallback;
};

struct IntKey {
    std::string_view name;
    int fallback;
};

// Player of the syndicate in hand: read at start, written back at close.
inline constexpr TextKey kFornavn{"FORNAVN", "Tippe"};
inline constexpr TextKey kEtternavn{"ETTERNAVN", "Vinnesen"};
inline constexpr TextKey kTippernummer{"TIPPERNUMMER", "000000000"};

// Row price of the midweek coupon in whole kroner; read it with every blank removed.
inline constexpr TextKey kRekkeprisMidtuke{"REKKEPRIS_MIDTUKE", "1"};

// Coupon panel colours as 0x00BBGGRR in decimal: silver background, black text.
inline constexpr IntKey kBkcolKuponglagAndel{"BKCOL_KUPONGLAG_ANDEL", 12632256};
inline constexpr IntKey kTxcolKuponglagAndel{"TXCOL_KUPONGLAG_ANDEL", 0};

// Placement of the printed certificate.
inline constexpr IntKey kVenstremargKryssballen{"VENSTREMARGKRYSSBALLEN", 16};
inline constexpr IntKey kTegnjusteringKryssballen{"TEGNJUSTERINGKRYSSBALLEN", 0};

// Last online-file serial number; lives in the store of onlcopi, not the main store.
inline constexpr IntKey kUniktnummerOnlinefil{"UNIKTNUMMER_ONLINEFIL", 1000};

// Keys whose defaults belong to the code that uses them.
inline constexpr std::string_view kSpillIdOddsen = "SPILLIDODDSEN";  // read with quickGet
inline constexpr std::string_view kOnlinefilDrive = "OnlinefilDrive";
inline constexpr std::string_view kQtomSortkriterie = "QtomSortkriterie";
// The storage file (name in pul1lgr) of the syndicate the agent last stored, fetched or
// made the online file of: shown again at the next start.
inline constexpr std::string_view kSisteAndelslag = "SISTE_ANDELSLAG";
// The receipt printer chosen once ("Kvitteringsskriver"): a printer of the system by its
// name, or the address of a receipt printer without a driver (network or serial port).
inline constexpr std::string_view kKvitteringsskriver = "KVITTERINGSSKRIVER";
inline constexpr std::string_view kKvitteringsskriverRaa = "KVITTERINGSSKRIVER_RAA";

}  // namespace andel
