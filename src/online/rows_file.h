#pragma once
// The intermediate rows file "TPP.TMP": one syndicate's submission on its way from the
// main window to the online-file writer. A header of 13 keyed values, read back by
// position, then the system coupons as text lines. Windows-1252 with CR LF.
#include "model/coupon.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

inline constexpr std::string_view kRowsFileName = "TPP.TMP";
inline constexpr std::string_view kSystemSectionKey = "#SYSTEMKUPONGER";
inline constexpr std::string_view kSingleRowSectionKey = "#ENKELREKKER";
// Key and value lines of the 13 header pairs.
inline constexpr std::size_t kRowsFileHeaderLines = 26;

struct Submission {
    std::string onlineFileName;    // #OLINEFILNAVN
    std::string onlineDirectory;   // #ONLINEFILKATALOG, Windows form ("A:\NTFILE")
    // The values of the other keys: written cut to 80 characters.
    std::string navn;              // first name, a blank and last name
    std::string spillenummer;      // digits only
    std::string spill = "TIPPING";
    std::string antallUker;        // "1", "5" or "10"
    std::string gangefelt;         // "1", "2", "5", "10" or "20"
    std::string kupongtype;        // "LØRDAG", "SØNDAG" or "MIDTUKE"
    std::string pause;             // "PAUSE", "NORMAL" or "BEGGE"
    std::string rekkepris;         // digits only
    std::string merkfil = "1";
    std::string fridisposisjonHeader;  // the online-file serial number
    std::string rekkeantallIalt = "000000";
    std::vector<Coupon> systemCoupons;
};

// The file's bytes.
std::string rowsFileBytes(const Submission& submission);
// The 13 key and value lines and the six empty lines that follow them: what every
// game's rows file begins with; its sections follow.
std::string rowsFileHeaderBytes(const Submission& submission);

// Creates or replaces the file in one step; IoError when it cannot be written.
void writeRowsFile(const std::filesystem::path& file, const Submission& submission);

}  // namespace andel
