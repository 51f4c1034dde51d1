// The stars of a candidate: at random, the least drawn or the longest
// overdue star, from the two star charts run anew at every call, with the
// stars of the last draws excluded on request. Every turn counts against
// the run's budget.

#include "app/LottoZahlen.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/Random.h"

#include <algorithm>

namespace {

constexpr int kUsedUp = 999999;

struct StarStatistics {
    std::array<int, 13> Overdue{};    // B(s), s = 1..12
    std::array<int, 13> Frequency{};  // A(s)
    int Max = 12;

    int least() const {
        int least = Frequency[1];
        for (int s = 1; s <= Max; ++s) least = std::min(least, Frequency[static_cast<size_t>(s)]);
        return least;
    }
};

// A damaged setting can leave the option outside its three items; it reads
// as the random choice.
int starOption(const TRadioGroup* group) {
    int item = group->ItemIndex();
    return item >= 0 && item <= 2 ? item : 0;
}

}  // namespace

void TForm1::Sternesetzen(TipRun& run) {
    StarStatistics st;
    st.Max = std::clamp(SternenzahlMax, 1, 12);
    auto bar = [this](int s) {
        return s - 1 < Series2->Count() ? static_cast<int>(Round(Series2->YValues()[s - 1])) : 0;
    };
    auto& A = st.Frequency;
    auto& B = st.Overdue;
    auto at = [](std::array<int, 13>& a, int s) -> int& { return a[static_cast<size_t>(s)]; };

    int& star1 = run.Candidate.Star1;
    int& star2 = run.Candidate.Star2;
    star1 = 0;

    Button8Click(this);
    int top = Series2->Count() > 0 ? static_cast<int>(Round(Series2->YValues().MaxValue())) : 0;
    int longest = 1;
    for (int s = 1; s <= st.Max; ++s) {
        at(B, s) = bar(s);
        if (at(B, s) == top) longest = s;
    }
    SpeedButton3Click(this);
    for (int s = 1; s <= st.Max; ++s) at(A, s) = bar(s);
    int least = st.least();

    auto pick = [&](int option) {
        int star = 0;
        if (option == 0) star = Random(st.Max) + 1;
        if (option == 1)
            for (int s = 1; s <= st.Max; ++s)
                if (at(A, s) == least) star = s;
        if (option == 2) star = longest;
        return star;
    };

    int option1 = starOption(RadioGroup1);
    while (star1 == 0) {
        star1 = pick(option1);
        if (CheckBox16->Checked() && at(B, star1) <= UpDown19->Position()) {
            at(A, star1) = kUsedUp;
            star1 = 0;
            least = st.least();
        }
        if (++run.Attempts > LaufMax) return;
    }

    at(A, star1) = kUsedUp;
    at(B, star1) = 0;
    longest = 1;
    int best = 1;
    for (int s = 1; s <= st.Max; ++s)
        if (at(B, s) > best) {
            best = at(B, s);
            longest = s;
        }
    least = st.least();

    int option2 = starOption(RadioGroup2);
    star2 = 0;
    while (star2 == 0 || star2 == star1) {
        star2 = pick(option2);
        if (CheckBox17->Checked() && at(B, star2) <= UpDown20->Position()) {
            at(A, star2) = kUsedUp;
            star2 = 0;
            least = st.least();
        }
        if (++run.Attempts > LaufMax) return;
    }
    if (star2 < star1) std::swap(star1, star2);
}
