#pragma once
// The fault tests of a writer that rewrites one file: killed at any moment, or stopped by
// a full disk, it leaves the file whole, either as it was or as it was to become. A test
// describes its writer as a Rewrite and hands it to both checks.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace andel::test {

// What a write answered: written, or the checked error it gave (exception text or message).
struct WriteOutcome {
    bool written = false;
    std::string error;
};

struct Rewrite {
    // Makes the file version 0 or 1 (two different contents), whichever it holds now.
    std::function<WriteOutcome(int version)> write;
    // The file's bytes now ("" when missing).
    std::function<std::string()> read;
    // Whether the bytes are a whole file. Unset: exactly version 0 or version 1.
    std::function<bool(const std::string& bytes)> whole{};
    // The writer reports a failed write with a message or exception.
    bool reportsError = true;
    // Bytes the disk takes before it is full; unset: 0, 1, half and all but one byte of
    // version 1.
    std::vector<std::size_t> diskFullAfter{};
};

// Kills a forked writer that alternates the versions, after seeded delays of up to a few
// writes, `kills` times. After every kill the file is whole; more than one state is seen.
void expectKilledWriterLeavesWholeFile(const Rewrite& rewrite, int kills, unsigned seed);

// Writes version 1 over version 0 while the disk fills up after each of the byte counts:
// every write fails with its error, and the file is still version 0.
void expectFullDiskLeavesOldFile(const Rewrite& rewrite);

}  // namespace andel::test
