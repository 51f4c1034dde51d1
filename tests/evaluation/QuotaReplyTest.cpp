#include "evaluation/QuotaReply.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(QuotaReply, FieldsAreReadInTheReplysOwnFormat) {
    struct Case {
        const char* field;
        std::optional<double> value;
    } cases[] = {
        {"1.234.567,80 EUR", 1234567.8},
        {"  50.000 ", 50000},
        {"4,10", 4.1},
        {"unbesetzt", 0},
        {" unbesetzt ", 0},
        {"15", 15},
        {"1.000.000.000,00", 1e9},
        {"1.2.3.4.5", std::nullopt},  // only three thousands separators are dropped
        {"-5", std::nullopt},               // no quota is below zero
        {"1000000000000", std::nullopt},    // nor anywhere near this
        {"999.999.999.999", 999999999999.0},
        {"Unbesetzt", std::nullopt},
        {"", std::nullopt},
        {"12,5,0", std::nullopt},
        {"-", std::nullopt},
        {"1e400", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto value = ReadQuotaField(c.field);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << c.field;
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.value) << c.field;
        }
    }
}

TEST(QuotaReply, WholeReplyGivesNumbersStakeAndThirteenQuotasInReplyOrder) {
    const QuotaReply r = ParseQuotaReply(
        "20250110,3 11 19 27 44 + 2 9;2;unbesetzt;1.234.567,80 EUR;50.000;4.000,50;200;100;50;20;15;15;10;8;4,10;");
    EXPECT_EQ(r.DrawnNumbers, "3 11 19 27 44 + 2 9");
    ASSERT_TRUE(r.Stake);
    EXPECT_EQ(*r.Stake, 2);
    const double expected[] = {0, 1234567.8, 50000, 4000.5, 200, 100, 50, 20, 15, 15, 10, 8, 4.1};
    for (std::size_t i = 0; i < 13; ++i) {
        ASSERT_TRUE(r.Quotas[i]) << i;
        EXPECT_DOUBLE_EQ(*r.Quotas[i], expected[i]) << i;
    }
}

TEST(QuotaReply, MissingAndUnreadableFieldsAreLeftOpen) {
    // The 13th field has no ";" after it; the stake is no number.
    const QuotaReply r = ParseQuotaReply("x,1 2;zwei;1;2;3;4;5;6;7;8;9;10;11;12;13");
    EXPECT_EQ(r.DrawnNumbers, "1 2");
    EXPECT_FALSE(r.Stake);
    EXPECT_EQ(*r.Quotas[11], 12);
    EXPECT_FALSE(r.Quotas[12]);

    const QuotaReply none = ParseQuotaReply("no separators at all");
    EXPECT_EQ(none.DrawnNumbers, "");
    EXPECT_FALSE(none.Stake);
    for (const auto& q : none.Quotas) EXPECT_FALSE(q);

    // No "," at all: the drawn numbers start at the beginning.
    EXPECT_EQ(ParseQuotaReply("1 2 3;2;").DrawnNumbers, "1 2 3");
}

TEST(QuotaReply, AcceptedOnlyBelow400WithAQuotaThatConverts) {
    struct Case {
        int status;
        const char* body;
        bool accepted;
    } cases[] = {
        {0, "20250110,1 2;2;unbesetzt;1;2;3;4;5;6;7;8;9;10;11;12;", true},
        {399, "x,1 2;2;;;;;;;;;;;;;4,10;", true},  // one readable quota is enough
        {400, "20250110,1 2;2;unbesetzt;1;2;3;4;5;6;7;8;9;10;11;12;", false},
        {0, "x,1 2;2;-;-;-;", false},  // a stake alone makes no quota reply
        {0, "<html><head><style>p { color: red; }</style></head><body>Seite verschoben</body></html>", false},
        {0, "a;", false},
        {0, "no separator", false},
        {0, "", false},
    };
    for (const Case& c : cases) EXPECT_EQ(QuotaReplyAccepted(c.status, c.body), c.accepted) << c.status << " " << c.body;
}

}  // namespace
