#pragma once
// Builds an online file record by record for any game: the header record from the
// reader's values and the game's count fields, then coupon records with running numbers,
// each closed by its check characters, with the progress shown as it goes.
#include "online/coupon_record.h"
#include "online/online_games.h"
#include "online/rows_file_reader.h"

#include <string>

namespace andel {

// What the online-file window shows while the file is written.
class WriteProgress {
public:
    virtual ~WriteProgress() = default;
    // The coupon type, "-" and the game ("LØRDAG-TIPPING").
    virtual void gameShown(const std::string& text) { (void)text; }
    // Before the first coupon record: the number of coupons the header announces.
    virtual void started(long totalCoupons) { (void)totalCoupons; }
    // After each coupon record: records written so far and written × 100 / total.
    virtual void recordWritten(long written, int percent) { (void)written, (void)percent; }
    // A line of the window's record list (games that list their records).
    virtual void listed(const std::string& line) { (void)line; }
};

// The digits a header count field of the game is given (before it is padded to its width).
std::string headerCountValue(HeaderCountMeaning meaning, const Tinforec& info);

struct WriterOptions {
    char fill = '0';
    bool skipCharacterCheck = false;
};

class OnlineFileBuilder {
public:
    // Writes the header record.
    OnlineFileBuilder(const OnlineGame& game, const Tinforec& info, const WriterOptions& options,
                      WriteProgress& progress);

    // A coupon record of the game with its defaults, game code, weeks and multiplier.
    CouponRecord freshCoupon() const;
    // Numbers, closes and appends the record.
    void append(CouponRecord& record, bool systemCoupon);

    std::string take() { return std::move(bytes_); }

private:
    void list(const std::string& line) const;

    const OnlineGame& game_;
    const Tinforec& info_;
    const WriterOptions& options_;
    WriteProgress& progress_;
    std::string bytes_;
    long total_;
    long written_ = 0;
};

}  // namespace andel
