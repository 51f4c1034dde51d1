#include "evaluation/QuotaReply.h"

#include "platform/rtl/Convert.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMaxQuota = 1e12;

// The separators of the reply format, not the user's.
const TFormatSettings& ReplyFormat() {
    static const TFormatSettings settings = [] {
        TFormatSettings s = TFormatSettings::German();
        s.DecimalSeparator = ',';
        s.ThousandSeparator = '.';
        return s;
    }();
    return settings;
}

std::optional<double> ReadNumber(const std::string& text) {
    double value = 0;
    if (!TryStrToFloat(text, value, ReplyFormat()) || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The text up to the next ";" from `pos` on, and `pos` moved past it; an
// empty text when no ";" is left.
std::string NextField(const std::string& body, std::size_t& pos) {
    if (pos == std::string::npos) return "";
    const std::size_t end = body.find(';', pos);
    if (end == std::string::npos) {
        pos = std::string::npos;
        return "";
    }
    std::string field = body.substr(pos, end - pos);
    pos = end + 1;
    return field;
}

}  // namespace

bool QuotaReplyAccepted(int status, const std::string& body) {
    if (status >= 400 || body.find(';') == std::string::npos) return false;
    const QuotaReply reply = ParseQuotaReply(body);
    return std::any_of(reply.Quotas.begin(), reply.Quotas.end(), [](const auto& quota) { return quota.has_value(); });
}

std::optional<double> ReadQuotaField(const std::string& field) {
    std::string text = Trim(field);
    for (int removed = 0; removed < 3; ++removed) {
        const std::size_t dot = text.find('.');
        if (dot == std::string::npos) break;
        text.erase(dot, 1);
    }
    const std::size_t blank = text.find(' ');
    if (blank != std::string::npos) text.erase(blank);
    if (text == "unbesetzt") text = "0";
    const auto value = ReadNumber(text);
    // Amounts the window can show and add up; anything else is no quota.
    if (value && (*value < 0 || *value >= kMaxQuota)) return std::nullopt;
    return value;
}

QuotaReply ParseQuotaReply(const std::string& body) {
    QuotaReply reply;
    const std::size_t comma = body.find(',');
    std::size_t pos = comma == std::string::npos ? 0 : comma + 1;
    // The drawn numbers run to the first ";" of the whole reply.
    const std::size_t firstSemicolon = body.find(';');
    if (firstSemicolon == std::string::npos) {
        pos = std::string::npos;
    } else {
        reply.DrawnNumbers = pos <= firstSemicolon ? body.substr(pos, firstSemicolon - pos) : "";
        pos = firstSemicolon + 1;
    }
    reply.Stake = ReadNumber(Trim(NextField(body, pos)));
    for (auto& quota : reply.Quotas) quota = ReadQuotaField(NextField(body, pos));
    return reply;
}
