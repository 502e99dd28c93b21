#pragma once

namespace tarvo {

// The fees, in yen, that the site's fee collection service takes.
inline constexpr int kLowestFee = 500;
inline constexpr int kHighestFee = 15000;

constexpr bool isAcceptedFee(int fee)
{
    return fee >= kLowestFee && fee <= kHighestFee;
}

} // namespace tarvo
