#pragma once
// Filling the certificate template from the main window's state and the print dialog's
// choices.
#include "platform/clock.h"
#include "printing/certificate_template.h"
#include "workbench/workbench_state.h"

#include <string>
#include <string_view>

namespace andel {

// "  1. Lyn - Brann": the match number right-aligned in three characters.
std::string matchText(int match, std::string_view home, std::string_view away);

// "Spilleomgang 05 - 2000" from a round text such as " UKE 05 -2000": the digits before
// the first "-" padded to two, the digits after it ("00" and "1999" when missing).
std::string systemRoundText(std::string_view roundText);

// The kind printed beside the stem: "H" for every match of two signs, "S" for a sure
// match of one sign, blank for the reduced ("M") and every other match.
char printedStemKind(std::string_view kindText, SignMask stemMask);

// "Dato 05.03.2024  ": the date-and-time text cut before its "Kl".
std::string printDateText(const LocalDateTime& now);

// Rows of a coupon as printed under it: a match without signs counts as one sign.
std::int64_t printedRowCount(const Coupon& coupon);

// "Andel nummer 3 av 5", or "Andel nummer= hoveddel" past the last share.
std::string shareNumberText(int share, int shares);

// "Hoveddel serienummer = 1042      Onlinefilnavn = KRYSSEN.NTF"
std::string mainPartText(const CertificateTemplate& page);

// The online file's name without its directory ("C:\NTFILE\A.NTF" gives "A.NTF").
std::string onlineFileNameOf(std::string_view pathAndName);
std::string onlineDirectoryOf(std::string_view pathAndName);

// Every text and value of the template for the syndicate in hand.
CertificateTemplate fillCertificate(const WorkbenchState& state, const PrintChoices& choices, const LocalDateTime& now);

}  // namespace andel
