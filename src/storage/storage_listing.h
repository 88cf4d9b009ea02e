#pragma once
// The storage browser's table: one row per storage file of a storage directory, with
// the values of its first keys, and the orders of the "&Sortering" menu.
#include "register/text_table.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

inline constexpr std::string_view kStorageLineHeader = " Linje";
inline constexpr std::string_view kDeleteHeader = "Slett";
inline constexpr std::string_view kStorageFirstNameHeader = " Fornavn";
inline constexpr std::string_view kStorageLastNameHeader = " Etternavn";
inline constexpr std::string_view kCouponTypeHeader = "LSM";
inline constexpr std::string_view kWeekHeader = "    Uke";
inline constexpr std::string_view kTimeBasisHeader = "OPB";
inline constexpr std::string_view kStorageTypeHeader = " O/L";
inline constexpr std::string_view kRowsHeader = " Rekker";
inline constexpr std::string_view kStoragePlayerHeader = " Spillenr";
inline constexpr std::string_view kSerialHeader = "Serie";
inline constexpr std::string_view kFileNameHeader = " Filnavn";
inline constexpr std::string_view kSavedHeader = " Lagret";
constexpr int kStorageColumns = 14;  // the fourteenth stays empty
constexpr int kDeleteColumnWidth = 40;  // "Slett" while marking

// Whether the syndicate of a serial number was voided: the books answer, the storage and
// online code only ask. Empty: nothing is known to be voided.
using VoidedSerial = std::function<bool(const std::string& serialNumber)>;
// What the " O/L" column shows for a stored syndicate whose ledger was voided.
inline constexpr std::string_view kVoidedStorageType = "ANNULLERT";

// The columns with their widths ("Slett" hidden) and one empty data row.
TextTable emptyStorageTable();

// The storage files ("*.txt" in any case, ordinary files) in name order.
std::vector<std::filesystem::path> storageFiles(const std::filesystem::path& directory);

// One row of the table for a storage file: values by line position, "#KUPONGTYPE" and
// "#SPILLTYPE" searched from line 20 on. Missing lines and keys give empty cells.
std::vector<std::string> storageRow(const TextTable& table, const std::filesystem::path& file);

// Fills the table from the directory (at least one data row) and sorts it newest first;
// a stored syndicate whose serial number is voided shows kVoidedStorageType.
void fillStorageTable(TextTable& table, const std::filesystem::path& directory, const VoidedSerial& voided = {});
// Marks the rows of syndicates voided since the table was filled (a voiding is for good);
// true when a row changed.
bool markVoided(TextTable& table, const VoidedSerial& voided);

// The entries of the "&Sortering" menu.
enum class StorageOrder { LastSaved, LastName, FirstName, PlayerNumber, RowCount, StorageType };
void sortStorage(TextTable& table, StorageOrder order);

}  // namespace andel
