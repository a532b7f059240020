#pragma once

#include <string>

namespace jukewright {

// One entry of the credits roll: the role (the upper, smaller line) and the name or names.
struct CreditPair {
    std::string position;
    std::string name;

    bool operator==(const CreditPair&) const = default;
};

// Where the roll takes its next entry from.
class CreditSource {
public:
    virtual ~CreditSource() = default;
    virtual CreditPair nextPair() = 0;
};

} // namespace jukewright
