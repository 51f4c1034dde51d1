#pragma once
// The second host's reply to the quota request: plain text, fields ended by
// ";": a prefix up to the first ",", the drawn numbers, the stake, then the
// 13 quotas from class 5+2 down to class 2+0. Numbers are written with "."
// as thousands and "," as decimal separator ("1.234.567,80 EUR"), whatever
// the user's own separators are.
//
// Usage:
//     if (QuotaReplyAccepted(status, body)) {
//         QuotaReply reply = ParseQuotaReply(body);
//         if (reply.Stake) ... reply.Quotas[0] ...   // nullopt: not a number
//     }

#include <array>
#include <optional>
#include <string>

struct QuotaReply {
    static constexpr int kQuotas = 13;

    std::string DrawnNumbers;                  // kept whole
    std::optional<double> Stake;               // nullopt when it does not convert
    // In reply order: 5+2, 5+1, 5+0, 4+2, 4+1, 3+2, 4+0, 2+2, 3+1, 3+0, 1+2, 2+1, 2+0.
    std::array<std::optional<double>, kQuotas> Quotas;
};

// A reply is read only with a status below 400, a ";" in its body and at
// least one quota field that converts: a page of another kind (a redirect,
// an HTML page) may well hold a ";", but no quota.
bool QuotaReplyAccepted(int status, const std::string& body);

// Never fails: a missing or unreadable field is nullopt.
QuotaReply ParseQuotaReply(const std::string& body);

// One quota field as the reply writes it: blanks trimmed, the first three
// "." dropped, anything from the first blank on cut off (a unit),
// "unbesetzt" (no winners) read as 0. A value below 0 or of 10^12 and more
// is no quota.
std::optional<double> ReadQuotaField(const std::string& field);
