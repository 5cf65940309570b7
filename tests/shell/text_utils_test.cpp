#include "shell/text_utils.h"

#include <gtest/gtest.h>

#include "fake_gateways.h"

TEST(ClampValue, ReadsTheLeadingNumberAndClamps) {
  EXPECT_EQ(ClampValue("abc", 1, 999), 1);
  EXPECT_EQ(ClampValue("", 1, 999), 1);
  EXPECT_EQ(ClampValue("", -5, 5), 0);
  EXPECT_EQ(ClampValue("1e4", 1, 999), 999);
  EXPECT_EQ(ClampValue("57", 1, 999), 57);
  EXPECT_EQ(ClampValue("  23 moves", 1, 999), 23);
  EXPECT_EQ(ClampValue("-7", -60, 600), -7);
  EXPECT_EQ(ClampValue("-61", -60, 600), -60);
  EXPECT_EQ(ClampValue("12abc", 0, 100), 12);
  EXPECT_EQ(ClampValue("3e", 0, 100), 3);  // no digits after the exponent mark
  EXPECT_EQ(ClampValue("99999999999999999999999", 0, 100), 100);
}

TEST(ClampValue, RoundsHalvesToEven) {
  EXPECT_EQ(ClampValue("2.5", 0, 10), 2);
  EXPECT_EQ(ClampValue("3.5", 0, 10), 4);
  EXPECT_EQ(ClampValue("2.51", 0, 10), 3);
  EXPECT_EQ(ClampValue("-2.5", -10, 10), -2);
  EXPECT_EQ(ClampValue(".5", 0, 10), 0);
  EXPECT_EQ(ClampValueLong("2147483647.4", 0, 2147483647), 2147483647);
}

TEST(UrlEncode, KeepsSafeCharactersAndEncodesTheRest) {
  EXPECT_EQ(UrlEncode("a b/c"), "a+b%2Fc");
  EXPECT_EQ(UrlEncode("Az09*.-@_"), "Az09*.-@_");
  EXPECT_EQ(UrlEncode("r1b/8 w KQ - 0 1"), "r1b%2F8+w+KQ+-+0+1");
  EXPECT_EQ(UrlEncode("\n"), "%0A");
  EXPECT_EQ(UrlEncode(QString::fromUtf8("é")), "%C3%A9");
}

TEST(MoveNumberText, PadsBlackMovesToTheWidthOfTheNumber) {
  EXPECT_EQ(MoveNumberText(1, 0), "1.");
  EXPECT_EQ(MoveNumberText(12, 0), "12.");
  EXPECT_EQ(MoveNumberText(12, 1), "   ");
  EXPECT_EQ(MoveNumberText(1, 1), "  ");
}

TEST(FileNames, AreCleanedAndFiltersBuilt) {
  EXPECT_EQ(CleanFileName("A/B: C?"), "A_B_ C_");
  EXPECT_EQ(CleanFileName("a\\b*c<d>e|f\"g\""), "a_b_c_d_e_f'g'");
  EXPECT_EQ(AskFileNameFilter("Portable Game Notations", "pgn"),
            "Portable Game Notations (*.pgn)|*.pgn|All files (*.*)|*.*");
  EXPECT_EQ(DialogFilter("Game files (*.pgn)|*.pgn|All files|*.*"),
            "Game files (*.pgn);;All files (*)");
  EXPECT_EQ(DialogFilter("Portable Game Notations (*.pgn)|*.pgn|All files (*.*)|*.*"),
            "Portable Game Notations (*.pgn);;All files (*)");
}

TEST(AskFileName, OpensWithoutADefaultNameAndSavesWithOne) {
  FakeGateways ui;
  ui.paths = {"/tmp/in.pgn", "/tmp/out.pgn"};
  EXPECT_EQ(AskFileName(ui, "Open", "Game files", "pgn", ""), "/tmp/in.pgn");
  EXPECT_EQ(AskFileName(ui, "Save As", "Game files", "pgn", "A/B: C?"), "/tmp/out.pgn");
  ASSERT_EQ(ui.dialogs.size(), 2);
  EXPECT_EQ(ui.dialogs[0], "open|Open|Game files (*.pgn)|*.pgn|All files (*.*)|*.*");
  EXPECT_EQ(ui.dialogs[1],
            "save|Save As|Game files (*.pgn)|*.pgn|All files (*.*)|*.*|A_B_ C_.pgn|pgn");
  EXPECT_EQ(AskFileName(ui, "Open", "Game files", "pgn", ""), "");  // cancelled
}
