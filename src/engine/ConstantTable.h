// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class Unknown : std::uint8_t { X, Y };

// The named constants an expression can use, and the unknowns x and y. Names are
// compared without regard to case, blanks around a name are ignored. The unknowns are
// bound and released around every point of a curve, so they live in two fixed places
// rather than in the list of the other names; to every caller they are ordinary
// constants "X" and "Y".
class ConstantTable {
public:
    // Refuses (silently) a name outside the name rule (a letter, then letters, digits
    // and "_"), a function name and a name in the table already, whose value stays.
    void add(std::string_view name, double value);
    void remove(std::string_view name);
    bool lookup(std::string_view name, double& value) const;
    bool exists(std::string_view name) const;
    // Named constants plus bound unknowns.
    std::size_t count() const;

    bool isBound(Unknown unknown) const { return unknowns_[index(unknown)].bound; }
    double valueOf(Unknown unknown) const { return unknowns_[index(unknown)].value; }
    void bind(Unknown unknown, double value) { unknowns_[index(unknown)] = {true, value}; }
    void release(Unknown unknown) { unknowns_[index(unknown)].bound = false; }

    // Where the value of an upper-case key other than X and Y lives; null when absent.
    // Valid while version() stays the same.
    const double* find(std::string_view key) const;
    // Changes whenever a name other than the unknowns is added or removed.
    std::uint64_t version() const { return version_; }

private:
    struct Constant {
        std::string key; // upper-cased name
        double value;
    };
    struct Slot {
        bool bound = false;
        double value = 0;
    };
    static int index(Unknown unknown) { return unknown == Unknown::X ? 0 : 1; }
    // The unknown a (trimmed) name stands for, if it is "x", "X", "y" or "Y".
    static bool unknownOf(std::string_view name, Unknown& unknown);
    const Constant* findByName(std::string_view name) const;

    std::vector<Constant> constants_;
    Slot unknowns_[2];
    std::uint64_t version_ = 0;
};

} // namespace orvane
