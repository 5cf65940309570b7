#include "engine/engine_options.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineOptions, TheTenOptionsInOrder) {
  Settings s;
  s.UseBook = true;
  s.BookFiles = "/books/main.bin";
  s.UseEgtb = false;
  s.EgtbPaths = "/tb";
  s.Hash = 3;
  s.Threads = 3;
  s.Randomness = 2;
  s.Style = 2;
  EXPECT_EQ(
      EngineOptionLines(s, 4),
      QStringList(
          {"setoption name OwnBook value true", "setoption name Book File value /books/main.bin",
           "setoption name Use Tablebases value false", "setoption name NalimovPath value /tb",
           "setoption name Hash value 128", "setoption name Threads value 4",
           "setoption name Minimum Thinking Time value 0", "setoption name Randomness value 6",
           "setoption name Aggressiveness value 200", "setoption name Cowardice value 0"}));
}

TEST(EngineOptions, EmptyPathsAreLeftOutAndBooleansSentAsFalse) {
  Settings s;
  s.UseBook = false;
  s.Style = 0;
  s.Hash = 7;
  s.Threads = 0;
  const QStringList lines = EngineOptionLines(s, 8);
  EXPECT_EQ(lines.size(), 8);
  EXPECT_EQ(lines[0], "setoption name OwnBook value false");
  EXPECT_FALSE(lines.join('\n').contains("Book File"));
  EXPECT_FALSE(lines.join('\n').contains("NalimovPath"));
  EXPECT_TRUE(lines.contains("setoption name Hash value 2048"));
  EXPECT_TRUE(lines.contains("setoption name Threads value 1"));
  EXPECT_TRUE(lines.contains("setoption name Aggressiveness value 0"));
  EXPECT_TRUE(lines.contains("setoption name Cowardice value 200"));
}

TEST(EngineOptions, ThreadsNeverExceedTheProcessors) {
  Settings s;
  s.Threads = 9;
  EXPECT_TRUE(EngineOptionLines(s, 2).contains("setoption name Threads value 2"));
  EXPECT_TRUE(EngineOptionLines(s, 1024).contains("setoption name Threads value 512"));
}

}  // namespace
