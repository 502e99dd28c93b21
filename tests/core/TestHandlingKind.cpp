#include "TestSupport.h"

#include "core/entry/EntryLists.h"
#include "core/entry/RegistrationEntry.h"
#include "core/errors/RuntimeError.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::sj;

std::string conversionMessage(const HandlingKind& kind)
{
    return test::failureOf([&] { kind.documentClass(); });
}

// Every prefix of a UTF-8 text that ends on a character boundary, as CP932: what
// the field holds after each typed character.
std::vector<std::string> typedLetterByLetter(std::string_view utf8)
{
    std::vector<std::string> steps;
    for (size_t i = 1; i <= utf8.size(); ++i) {
        if (i == utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80)
            steps.push_back(sj(utf8.substr(0, i)));
    }
    return steps;
}

struct ItemCase {
    const char* item;
    const char* kind;
    DocumentClass documentClass;
};

class HandlingKindChosen : public testing::TestWithParam<ItemCase> { };

TEST_P(HandlingKindChosen, ChoosingAnItemSetsItsPositionAndClass)
{
    RegistrationEntry entry;
    entry.changeHandling(sj(GetParam().item));
    EXPECT_EQ(entry.handlingKind.text(), GetParam().kind);
    EXPECT_EQ(entry.handlingKind.documentClass(), GetParam().documentClass);
}

INSTANTIATE_TEST_SUITE_P(Items, HandlingKindChosen,
    testing::Values(ItemCase { "フリーウェア", "1", DocumentClass::NoSharewareSection },
        ItemCase { "フリーウェア（寄付歓迎：カンパウェア）", "2", DocumentClass::NoSharewareSection },
        ItemCase { "シェアウェア", "3", DocumentClass::SharewareRequired },
        ItemCase { "サンプル版（正式使用は製品版を購入）", "4", DocumentClass::SharewareOptional },
        ItemCase { "メールウェア（正式使用は作者にメール）", "5", DocumentClass::SharewareOptional },
        ItemCase { "Public Domain Software(PDS：無料)", "6", DocumentClass::NoSharewareSection },
        ItemCase { "General Public Licence(GPL：無料)", "7", DocumentClass::NoSharewareSection },
        ItemCase { "改変自由（だが著作権は放棄しない）", "8", DocumentClass::SharewareOptional },
        ItemCase { "製品差分（修正差分・パッチファイル）", "9", DocumentClass::SharewareOptional },
        ItemCase { "その他", "10", DocumentClass::SharewareOptional }));

TEST(HandlingKind, StartsUnsetAndTheEmptyTextFailsTheConversion)
{
    const RegistrationEntry entry;
    EXPECT_EQ(entry.handlingKind.text(), "");
    EXPECT_EQ(conversionMessage(entry.handlingKind), "'' は整数ではありません");
}

TEST(HandlingKind, TypedLetterByLetterMatchesWhenTheTextIsComplete)
{
    RegistrationEntry entry;
    const auto steps = typedLetterByLetter("シェアウェア");
    for (size_t i = 0; i + 1 < steps.size(); ++i) {
        entry.changeHandling(steps[i]);
        EXPECT_EQ(entry.handlingKind.text(), "") << "after " << i + 1 << " characters";
    }
    entry.changeHandling(steps.back());
    EXPECT_EQ(entry.handlingKind.text(), "3");

    entry.changeHandling(sj("シェアウェアx"));
    EXPECT_EQ(entry.handlingKind.text(), "3");
    EXPECT_EQ(entry.handlingKind.documentClass(), DocumentClass::SharewareRequired);
}

TEST(HandlingKind, TypingALongerItemPassesThroughTheShorterOne)
{
    RegistrationEntry entry;
    std::vector<std::string> kinds;
    for (const auto& step : typedLetterByLetter("フリーウェア（寄付歓迎：カンパウェア）")) {
        entry.changeHandling(step);
        if (kinds.empty() || kinds.back() != entry.handlingKind.text())
            kinds.push_back(entry.handlingKind.text());
    }
    EXPECT_EQ(kinds, (std::vector<std::string> { "", "1", "2" }));
}

TEST(HandlingKind, TrailingBlankMatchesNoItem)
{
    RegistrationEntry entry;
    entry.changeHandling(sj("シェアウェア "));
    EXPECT_EQ(entry.handlingKind.text(), "");
    EXPECT_EQ(conversionMessage(entry.handlingKind), "'' は整数ではありません");
}

TEST(HandlingKind, MatchingIsExactBytes)
{
    RegistrationEntry entry;
    for (const char* near : { " シェアウェア", "ｼｪｱｳｪｱ", "public Domain Software(PDS：無料)",
             "General Public Licence(GPL:無料)", "その他(の機種) " })
        entry.changeHandling(sj(near));
    EXPECT_EQ(entry.handlingKind.text(), "");
}

TEST(HandlingKind, EditedAfterAMatchKeepsTheKind)
{
    RegistrationEntry entry;
    entry.changeHandling(sj("フリーウェア"));
    entry.changeHandling(sj("フリーウェア（作者に連絡）"));
    EXPECT_EQ(entry.handling.str(), sj("フリーウェア（作者に連絡）"));
    EXPECT_EQ(entry.handlingKind.text(), "1");
    EXPECT_EQ(entry.handlingKind.documentClass(), DocumentClass::NoSharewareSection);
}

TEST(HandlingKind, IsNeverClearedOnlyChangedToAnotherNumber)
{
    RegistrationEntry entry;
    entry.changeHandling(sj("シェアウェア"));
    entry.changeHandling("");
    EXPECT_EQ(entry.handlingKind.text(), "3");
    entry.changeHandling(sj("その他"));
    EXPECT_EQ(entry.handlingKind.text(), "10");
    entry.changeHandling(sj("その"));
    EXPECT_EQ(entry.handlingKind.text(), "10");
    entry.changeHandling(sj("フリーウェア"));
    EXPECT_EQ(entry.handlingKind.text(), "1");
}

struct ClassCase {
    int kind;
    DocumentClass documentClass;
};

class DocumentClassOf : public testing::TestWithParam<ClassCase> { };

TEST_P(DocumentClassOf, ClassifiesEveryNumber)
{
    EXPECT_EQ(documentClassOf(GetParam().kind), GetParam().documentClass);

    // A kind that a Handling item gives, as the entry keeps it.
    const auto& handlings = entryLists().handlings;
    if (GetParam().kind < 1 || GetParam().kind > static_cast<int>(handlings.size()))
        return;
    HandlingKind kept;
    kept.recompute(handlings[static_cast<std::size_t>(GetParam().kind - 1)]);
    EXPECT_EQ(kept.documentClass(), GetParam().documentClass);
}

INSTANTIATE_TEST_SUITE_P(Numbers, DocumentClassOf,
    testing::Values(ClassCase { 1, DocumentClass::NoSharewareSection },
        ClassCase { 2, DocumentClass::NoSharewareSection }, ClassCase { 3, DocumentClass::SharewareRequired },
        ClassCase { 4, DocumentClass::SharewareOptional }, ClassCase { 5, DocumentClass::SharewareOptional },
        ClassCase { 6, DocumentClass::NoSharewareSection }, ClassCase { 7, DocumentClass::NoSharewareSection },
        ClassCase { 8, DocumentClass::SharewareOptional }, ClassCase { 9, DocumentClass::SharewareOptional },
        ClassCase { 10, DocumentClass::SharewareOptional }, ClassCase { 0, DocumentClass::NoSharewareSection },
        ClassCase { -3, DocumentClass::NoSharewareSection }, ClassCase { 11, DocumentClass::NoSharewareSection },
        ClassCase { 2147483647, DocumentClass::NoSharewareSection }));

} // namespace
} // namespace tarvo
