// The quota reply parser on any bytes: it never fails, every quota it gives
// is an amount the window can show, and the window's formatting of it reads
// back as the same amount to the cent.
#include "evaluation/QuotaReply.h"
#include "platform/rtl/Convert.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    const QuotaReply reply = ParseQuotaReply(body);
    if (body.find(reply.DrawnNumbers) == std::string::npos) std::abort();
    if (reply.Stake && !std::isfinite(*reply.Stake)) std::abort();
    if (reply.Stake) (void)FloatToStrF(*reply.Stake, TFloatFormat::ffFixed, 9, 0, TFormatSettings::German());
    for (const auto& quota : reply.Quotas) {
        if (!quota) continue;
        if (!(*quota >= 0 && *quota < 1e12)) std::abort();
        const std::string shown = FloatToStrF(*quota, TFloatFormat::ffFixed, 9, 2, TFormatSettings::German());
        const double back = StrToFloat(shown, TFormatSettings::German());
        // Rounded to the cent below 10^7 and to nine significant digits
        // above; the small addition covers the binary noise of both values.
        if (std::fabs(back - *quota) > std::max(0.005, *quota * 1e-8) + 1e-9) std::abort();
    }
    // Accepted exactly when a ";" is there and some quota was read.
    const bool anyQuota = std::any_of(reply.Quotas.begin(), reply.Quotas.end(), [](const auto& q) { return q; });
    if (QuotaReplyAccepted(0, body) != (body.find(';') != std::string::npos && anyQuota)) std::abort();
    if (QuotaReplyAccepted(400, body)) std::abort();
    return 0;
}
