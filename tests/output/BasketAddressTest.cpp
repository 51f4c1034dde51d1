#include "output/BasketAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(BasketAddress, TheSentCountBecomesThePlaceholderOnlyAsAWholeNumber) {
    struct Case {
        const char* tmpl;
        int sent;
        const char* marked;
    } cases[] = {
        {"http://p.test/b?Tipps=12&", 12, "http://p.test/b?Tipps=[ANZAHL]&"},
        {"http://p.test/b?Tipps=12", 12, "http://p.test/b?Tipps=[ANZAHL]"},
        {"http://p.test/b?Tipps=120&", 12, "http://p.test/b?Tipps=120&"},
        {"http://p.test/b?Tipps=120&Tipps=12&x=Tipps=12", 12, "http://p.test/b?Tipps=120&Tipps=[ANZAHL]&x=Tipps=12"},
        {"http://p.test/b?Tipps=5&", 12, "http://p.test/b?Tipps=5&"},
        {"http://p.test/b?tipps=12&", 12, "http://p.test/b?tipps=12&"},
    };
    for (const Case& c : cases) EXPECT_EQ(MarkTipCount(c.tmpl, c.sent), c.marked) << c.tmpl;
}

TEST(BasketAddress, CompletionAddsTheCountKeyOnlyWhenTheTemplateHasNone) {
    EXPECT_EQ(CompleteBasketTemplate("http://h/w?Spiel=Stellix&"),
              "http://h/w?Spiel=Stellix&Tipps=[ANZAHL]&kasten1=[KASTEN1]&kasten2=[KASTEN2]&kasten3=[KASTEN3]&"
              "kasten4=[KASTEN4]&kasten5=[KASTEN5]&kasten6=[KASTEN6]");
    EXPECT_EQ(CompleteBasketTemplate("http://h/w?Tipps=9&"),
              "http://h/w?Tipps=9&kasten1=[KASTEN1]&kasten2=[KASTEN2]&kasten3=[KASTEN3]&"
              "kasten4=[KASTEN4]&kasten5=[KASTEN5]&kasten6=[KASTEN6]");
}

TEST(BasketAddress, FillingReplacesTheFirstOccurrenceOfEachPlaceholder) {
    const BasketSlots slots{"a", "b", "c", "d", "e", "f"};
    EXPECT_EQ(FillBasketAddress("[KASTEN1]|[ANZAHL]|[KASTEN6]|[KASTEN1]|[ANZAHL]|[kasten2]", 3, slots),
              "a|3|f|[KASTEN1]|[ANZAHL]|[kasten2]");
}

TEST(BasketAddress, ListLinesWithSingleOrTripleTabsGiveTheSameFields) {
    const std::vector<std::string> tip{"1", "12", "23", "34", "45", "6", "7"};
    EXPECT_EQ(ListLineBasketFields("1\t12\t23\t34\t45\t6\t7"), tip);
    EXPECT_EQ(ListLineBasketFields("1\t12\t23\t34\t45\t\t\t6\t7"), tip);
    EXPECT_EQ(ListLineBasketFields(" 1\t12\t23\t34\t45\t\t\t6\t7\r"), tip);
    // Only the first triple is one separator.
    EXPECT_EQ(ListLineBasketFields("1\t\t\t2\t\t\t3").size(), 5u);
}

TEST(BasketAddress, OnlyWholeTipsInRangePass) {
    struct Case {
        std::vector<std::string> fields;
        int starMax;
        bool valid;
    } cases[] = {
        {{"1", "2", "3", "4", "50", "1", "12"}, 12, true},
        {{"01", "2", "3", "4", "50", "1", "12"}, 12, true},
        {{"1", "2", "3", "4", "50", "1", "12"}, 11, false},
        {{"1", "2", "3", "4", "51", "1", "2"}, 12, false},
        {{"0", "2", "3", "4", "5", "1", "2"}, 12, false},
        {{"1", "2", "3", "4", "4", "1", "2"}, 12, false},
        {{"1", "2", "3", "4", "5", "2", "2"}, 12, false},
        {{"1", "2", "3", "4", "5", "1", ""}, 12, false},
        {{"1", "2", "3", "4", "5", "1"}, 12, false},
        {{"1", "2", "3", "4", "5", "1", "2", "3"}, 12, false},
        {{"1", "2", "3", "4", "5", "1", "2&x=1"}, 12, false},
        {{"$1", "2", "3", "4", "5", "1", "2"}, 12, false},
        {{"-1", "2", "3", "4", "5", "1", "2"}, 12, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckedBasketTip(c.fields, c.starMax).has_value(), c.valid)
            << ::testing::PrintToString(c.fields) << " max " << c.starMax;
    }
}

TEST(BasketAddress, ListAddressesCarrySixTipsEachAndCountTheirOwn) {
    std::vector<BasketTip> tips;
    for (int i = 1; i <= 13; ++i) tips.push_back({std::to_string(i), "20", "30", "40", "50", "1", "2"});
    const auto addresses = ListBasketAddresses("n=[ANZAHL];[KASTEN1];[KASTEN2];[KASTEN6]", tips);
    ASSERT_EQ(addresses.size(), 3u);
    EXPECT_EQ(addresses[0], "n=6;1,20,30,40,50,1,2;2,20,30,40,50,1,2;6,20,30,40,50,1,2");
    EXPECT_EQ(addresses[1], "n=6;7,20,30,40,50,1,2;8,20,30,40,50,1,2;12,20,30,40,50,1,2");
    EXPECT_EQ(addresses[2], "n=1;13,20,30,40,50,1,2;,,,,,,;,,,,,,");
    EXPECT_TRUE(ListBasketAddresses("[ANZAHL]", {}).empty());
}

TEST(BasketAddress, TheGridSendsItsSecondHalfWhenAnyOfItsRowsHoldsATip) {
    const BasketTip tip{"1", "2", "3", "4", "5", "1", "2"};
    const std::string tmpl = "n=[ANZAHL];[KASTEN1];[KASTEN2]";
    GridBasketRows rows;
    rows[0] = tip;
    EXPECT_EQ(GridBasketAddresses(tmpl, rows), std::vector<std::string>{"n=1;1,2,3,4,5,1,2;,,,,,,"});
    rows[7] = tip;  // row 8, row 7 empty
    EXPECT_EQ(GridBasketAddresses(tmpl, rows),
              (std::vector<std::string>{"n=1;1,2,3,4,5,1,2;,,,,,,", "n=1;,,,,,,;1,2,3,4,5,1,2"}));
}

TEST(BasketAddress, OnlyAWebAddressFromTheServiceBecomesTheTemplate) {
    const std::string fallback = "http://host1/lotto/warenkorb2.asp?Spiel=Stellix&";
    struct Case {
        int status;
        const char* body;
        const char* expected;
    } cases[] = {
        {200, "  http://provider.test/basket?a=1&\r\n", "http://provider.test/basket?a=1&"},
        {200, "HTTPS://provider.test/b?", "HTTPS://provider.test/b?"},
        {200, "file:///etc/passwd", nullptr},
        {200, "/etc/passwd", nullptr},
        {200, "C:\\Windows\\notepad.exe", nullptr},
        {200, "javascript:alert(1)", nullptr},
        {200, "http://provider.test/a b", nullptr},
        {200, "", nullptr},
        {500, "http://provider.test/basket?", nullptr},
        {404, "Fehler", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BasketTemplateOf(c.status, c.body, fallback), c.expected ? c.expected : fallback) << c.body;
    EXPECT_TRUE(IsBasketMessagePage(500, "<p>Mitteilung: gesperrt</p>"));
    EXPECT_FALSE(IsBasketMessagePage(200, "Mitteilung"));
    EXPECT_FALSE(IsBasketMessagePage(500, "kein Text"));
}

}  // namespace
