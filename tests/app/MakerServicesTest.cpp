#include "app/MakerServices.h"
#include "support/StandInHost.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(MakerServices, DefaultHostsAreReservedExampleNames) {
    ::unsetenv("STELLIX_HOST1");
    ::unsetenv("STELLIX_HOST2");
    EXPECT_EQ(FirstHost(), "http://host1.stellix.example");
    EXPECT_EQ(SecondHost(), "http://host2.stellix.example");
    const TDateTime date = EncodeDate(2025, 1, 10);
    EXPECT_EQ(DrawUpdateUrl(date), "http://host1.stellix.example/lotto/stellix.asp?Programm=Stellix&Datum=20250110");
    EXPECT_EQ(QuotaUrl(date), "http://host2.stellix.example/zahlen/lotto_neu.asp?Programm=Stellix&Datum=20250110");
}

TEST(MakerServices, EnvironmentPointsTheHostsElsewhere) {
    HostOverride first("STELLIX_HOST1", "http://127.0.0.1:8080/");
    HostOverride second("STELLIX_HOST2", "https://127.0.0.1:9090");
    const TDateTime date = EncodeDate(2004, 2, 13);
    EXPECT_EQ(DrawUpdateUrl(date), "http://127.0.0.1:8080/lotto/stellix.asp?Programm=Stellix&Datum=20040213");
    EXPECT_EQ(BasketUrl("Lottoland", 7), "http://127.0.0.1:8080/lotto/lotto.asp?Spiel=Stellix&Wo=Lottoland&Tipps=7");
    EXPECT_EQ(BasketUrl("A&B=C D", 1), "http://127.0.0.1:8080/lotto/lotto.asp?Spiel=Stellix&Wo=A%26B%3DC%20D&Tipps=1");
    EXPECT_EQ(BasketFallbackTemplate(), "http://127.0.0.1:8080/lotto/warenkorb2.asp?Spiel=Stellix&");
    EXPECT_EQ(ScriptUpdateUrl("A.zks"), "http://127.0.0.1:8080/scripts/A.zks.txt");
    EXPECT_EQ(ScriptUpdateUrl("../x y.zks"), "http://127.0.0.1:8080/scripts/..%2Fx%20y.zks.txt");
    EXPECT_EQ(QuotaUrl(date), "https://127.0.0.1:9090/zahlen/lotto_neu.asp?Programm=Stellix&Datum=20040213");
    EXPECT_EQ(InstallerUrl(), "https://127.0.0.1:9090/dateien/kurierp.exe");
}

TEST(MakerServices, AnEnvironmentValueThatIsNoWebAddressKeepsTheDefault) {
    for (const char* bad : {"", "127.0.0.1:8080", "file:///tmp", "ftp://x.example"}) {
        HostOverride first("STELLIX_HOST1", bad);
        EXPECT_EQ(FirstHost(), "http://host1.stellix.example") << bad;
    }
}

}  // namespace
