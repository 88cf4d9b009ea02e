#pragma once
// The syndicate in hand: everything the main window shows, kept as the texts of its
// controls under the controls' names. The window renders this struct and routes each
// event to one of the plain functions over it.
#include "model/signs.h"
#include "model/stem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace andel {

// The stem grid `StringGrid1`: 13 rows by 4 columns; row 0 and column 0 are hidden
// headers, rows 1-12 the matches, columns 1-3 the signs H, U, B ("X" or empty).
constexpr int kStemGridRows = 13, kStemGridColumns = 4;
// The coupon grid `StringGrid2`: 15 rows by 17 columns. Column 1 kind, 2 position,
// 3 stem mask, 5-13 coupons 1-9; row 13 of the coupon columns holds rows per coupon.
constexpr int kCouponGridRows = 15, kCouponGridColumns = 17;
constexpr int kFirstCouponColumn = 5;
constexpr int kRowsPerCouponRow = 13;

template <int Rows, int Columns>
struct TextGrid {
    std::array<std::array<std::string, Columns>, Rows> cells;
    bool operator==(const TextGrid&) const = default;
    std::string& at(int column, int row) { return cells[row][column]; }
    const std::string& at(int column, int row) const { return cells[row][column]; }
};

// The online file the current syndicate was last written to; forgotten on every change.
struct OnlineFileStatus {
    std::string pathAndName;   // bottom bar, directory and name
    std::string date;          // "FILDATO:" panel
    std::string serialNumber;  // `onlinefilserienummer`
    std::string availability;  // "Ikke tilgjengelig!" / "finner du her:"
    bool infoPanelVisible = false;
    bool operator==(const OnlineFileStatus&) const = default;
};

struct WorkbenchState {
    TextGrid<kStemGridRows, kStemGridColumns> stemGrid;        // `StringGrid1`
    TextGrid<kCouponGridRows, kCouponGridColumns> couponGrid;  // `StringGrid2`
    std::array<std::string, 2 * kMatches> teamNames;          // home 1, away 1, ...

    // System information panel.
    std::array<std::string, kCoupons> rowsPerCouponFields;  // r1antall .. r9antall
    bool rowsTooMany = false;       // counts red and the warning panel shown
    std::string couponLine;         // "9  X 324 rekkers kuponger"
    std::string reductionLine;      // "26.244 rekker er redusert til :   2.916 rekker"
    std::string stemRows;           // "Rekker i stamme :"
    std::string pictureRows;        // label of the 3 x 3 coupon picture
    std::string panelsikre, panelhalve, panelhele;

    // Shares area and its twin in the preview panel.
    std::string rekkertotalt;
    std::string panelinnsatstotalt, panelinnsatstotalt2;
    std::string panelprisprandel, panelprisprandel2;
    std::vector<std::string> shareItems;  // items of `antallandeler` and `antallandeler2`
    int antallandeler = 4;
    int antallandeler2 = 4;
    std::vector<std::string> comborekkepris = {"  1", "  1"};  // hidden row price selector
    int comborekkeprisIndex = 0;

    // The player and the syndicate's name ("Navn på andelslaget" until a player is shown).
    std::string xfornavn, etternavn, spillenummer;
    std::string panel55 = "Navn på andelslaget";
    // The start-up read the player from the settings store; only then do the close steps
    // write it back (a failed start-up must not wipe the shared player keys).
    bool playerRead = false;
    // The handle this window wrote to Apulje1.tmp (0: none): the close steps remove the
    // presence files only while they still name it.
    std::uint32_t presenceHandle = 0;

    std::vector<std::string> ukecomboboxItems;  // game-week selector, newest week first
    int ukecombobox = 0;
    std::string vistippeomgang;                 // coupon type + " " + game-week text
    int kupongtype = 0;    // `KUPONGTYPE` index
    int pauseordiner = 0;  // time basis index

    // `BitBtn2`, "Andeslbrev" and "Lagre rekker": off while the coupons are not playable.
    bool commandsEnabled = true;

    OnlineFileStatus online;

    // The agent under "Tippekommisjonær:": name and addresses, then telephone and fax.
    std::string agentLine1, agentLine2;

    // The preview panel `Panel7`: its own copies of the game details and the online
    // file's directory and name split apart for the certificate.
    bool previewVisible = false;
    std::string previewWeek, previewCouponType, previewTimeBasis;
    std::string previewDirectory, previewFileName;

    // Panels shown on demand.
    bool commandPanelVisible = false;
    bool colourPanelVisible = false;
    // Colours of the coupon panels (0x00BBGGRR); chosen here, never saved.
    std::uint32_t couponBackground = 0xC0C0C0;
    std::uint32_t couponText = 0x000000;

    // The prize panel `holdpremiebox`, shown in place of the system panel.
    bool prizePanelOpen = false;
    bool prizeDetailsVisible = false;
    TextGrid<kStemGridRows, kStemGridColumns> testgrid;  // the round's result: "X" or empty
    std::array<SignMask, kMatches> wrongSigns{};         // "+" marks of the last count
    std::string pr12 = "-", pr11 = "-", pr10 = "-";
    std::string premie12 = "0", premie11 = "0", premie10 = "0";
    std::string premietotalt = "0", premieprandel = "0";
    std::array<std::string, kMatches + 1> prizeDetails;  // `p0` .. `p12`
    // BEGGE plays its rows on the half time's result too: that result and its forecasts
    // from the half-time history, fetched with the full time's, and what the coupons win
    // on it (`premiepause`, "-" while the half time has no result). Empty for the other
    // time bases.
    std::string pauseSigns;
    std::array<std::string, 3> pauseForecasts;  // 12, 11 and 10 right
    std::string premiepause;

    bool dragging = false;  // dragging a match in the coupon grid
    int dragRow = 0;
};

}  // namespace andel
