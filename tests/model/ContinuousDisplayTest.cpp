#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "model/ContinuousDisplay.h"

namespace isobra {
namespace {

using Files = std::vector<std::string>;

ContinuousDisplay ListOf(const Files& files) {
    ContinuousDisplay display;
    display.OpenAs(DisplayKind::Isobars);
    display.Append(files, -1);
    return display;
}

// A list before and after an operation on the selected entry, and the entry
// to select next.
struct ListCase {
    Files before;
    int selected;
    Files after;
    int next;
};

TEST(ContinuousDisplay, RegisterReplacesUpToTheOneBeforeTheLastThenAppends) {
    const ListCase cases[] = {
        {{}, -1, {"x"}, 0},
        {{"a", "b", "c"}, -1, {"a", "b", "c", "x"}, 3},  // nothing selected: appended, not entry -1 replaced
        {{"a", "b", "c"}, 0, {"x", "b", "c"}, 1},
        {{"a", "b", "c"}, 1, {"a", "x", "c"}, 2},
        {{"a", "b", "c"}, 2, {"a", "b", "c", "x"}, 3},  // the last entry is never replaced
        {{"a", "b", "c"}, 9, {"a", "b", "c", "x"}, 3},  // a stale selection beyond the list
    };
    for (const ListCase& c : cases) {
        ContinuousDisplay display = ListOf(c.before);
        EXPECT_EQ(display.Register(c.selected, "x"), c.next) << c.selected;
        EXPECT_EQ(display.Files(), c.after) << c.selected;
    }
}

TEST(ContinuousDisplay, SuccessiveFilesAfterASelectionOverwriteThenAppendInOrder) {
    ContinuousDisplay display = ListOf({"a", "b", "c"});
    int selected = 0;
    for (const char* path : {"x", "y", "z", "w"}) selected = display.Register(selected, path);
    EXPECT_EQ(display.Files(), (Files{"x", "y", "c", "z", "w"}));
    EXPECT_EQ(selected, 4);
}

TEST(ContinuousDisplay, DroppedFilesAreAppendedInOrderWhateverIsSelected) {
    ContinuousDisplay display = ListOf({"a", "b"});
    EXPECT_EQ(display.Append({"c", "d"}, 0), 3);
    EXPECT_EQ(display.Files(), (Files{"a", "b", "c", "d"}));
    EXPECT_EQ(display.Append({}, 1), 1);  // nothing taken: the selection stays
}

TEST(ContinuousDisplay, RemoveSelectsTheEntryBefore) {
    const ListCase cases[] = {
        {{"a", "b", "c"}, 1, {"a", "c"}, 0},
        {{"a", "b", "c"}, 2, {"a", "b"}, 1},
        {{"a", "b", "c"}, 0, {"b", "c"}, -1},  // the first removed: nothing selected
        {{"a"}, 0, {}, -1},
        {{"a", "b"}, -1, {"a", "b"}, -1},  // nothing selected: nothing removed
        {{"a", "b"}, 2, {"a", "b"}, 2},
    };
    for (const ListCase& c : cases) {
        ContinuousDisplay display = ListOf(c.before);
        EXPECT_EQ(display.Remove(c.selected), c.next) << c.selected;
        EXPECT_EQ(display.Files(), c.after) << c.selected;
    }
}

TEST(ContinuousDisplay, AnotherKindEmptiesTheListTheSameKindKeepsIt) {
    ContinuousDisplay display;
    EXPECT_EQ(display.kind(), DisplayKind::None);
    display.OpenAs(DisplayKind::Isobars);
    display.Register(-1, "a.cnt");
    display.OpenAs(DisplayKind::Isobars);
    EXPECT_EQ(display.Files(), Files{"a.cnt"});
    display.OpenAs(DisplayKind::Images);
    EXPECT_EQ(display.kind(), DisplayKind::Images);
    EXPECT_TRUE(display.Files().empty());
    display.Register(-1, "a.bmp");
    display.SetDisplayTime(2.5f);
    display.OpenAs(DisplayKind::Isobars);
    EXPECT_TRUE(display.Files().empty());
    EXPECT_EQ(display.displayTime(), 2.5f);  // one time for both kinds
}

TEST(DisplayTime, AnswersReadByTheLeadingNumberWithinZeroToTen) {
    struct Case {
        const char* answer;
        std::optional<float> seconds;
    };
    const Case cases[] = {
        {"1", 1.0f},
        {"0", 0.0f},
        {"10", 10.0f},
        {"2.5", 2.5f},
        {".5", 0.5f},
        {" 3", 3.0f},
        {"3秒", 3.0f},
        {"5abc", 5.0f},
        {"２．５", 2.5f},
        {"　７", 7.0f},
        {"-0", 0.0f},
        {"10.01", std::nullopt},
        {"11", std::nullopt},
        {"-1", std::nullopt},
        {"abc", std::nullopt},
        {"秒", std::nullopt},
        {"1e9999", 1.0f},  // the leading number ends before "e"
        {"99999999999999999999999999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<float> seconds = DisplayTimeFromAnswer(c.answer);
        EXPECT_EQ(seconds, c.seconds) << c.answer;
        if (seconds) {
            EXPECT_FALSE(std::signbit(*seconds)) << c.answer;
        }
    }
}

TEST(DisplayTime, PromptNamesTheTimeInItsShortestForm) {
    EXPECT_EQ(DisplayTimePrompt(1.0f), "表示する時間は1秒ごとです。\r\n何秒間隔で表示しますか？\r\n（0から10）");
    EXPECT_NE(DisplayTimePrompt(0.5f).find("は0.5秒"), std::string::npos);
    EXPECT_NE(DisplayTimePrompt(2.3f).find("は2.3秒"), std::string::npos);
    EXPECT_NE(DisplayTimePrompt(0.0f).find("は0秒"), std::string::npos);
}

}  // namespace
}  // namespace isobra
