#include "files/text_decoding.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

TEST(DecodeText, ValidUtf8IsReadAsUtf8) {
  EXPECT_EQ(DecodeText("R\xC3\xA9ti"), u"R\u00e9ti");
  EXPECT_EQ(DecodeText("\xE6\xA3\x8B"), u"\u68cb");          // three bytes
  EXPECT_EQ(DecodeText("\xF0\x9F\x92\x8E"), u"\U0001F48E");  // four bytes
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF"
                       "abc"),
            "abc");  // byte order mark
}

TEST(DecodeText, OtherBytesAreReadAsLatin1) {
  EXPECT_EQ(DecodeText("Pol\xE1r"), u"Pol\u00e1r");
  EXPECT_EQ(DecodeText("\xC3"), u"\u00c3");                                // cut short
  EXPECT_EQ(DecodeText("\xC0\xAF"), u"\u00c0\u00af");                      // overlong
  EXPECT_EQ(DecodeText("\xED\xA0\x80"), u"\u00ed\u00a0\u0080");            // a surrogate
  EXPECT_EQ(DecodeText("\xF4\x90\x80\x80"), u"\u00f4\u0090\u0080\u0080");  // past U+10FFFF
  // Both kinds in one line.
  EXPECT_EQ(DecodeText("\xE9t\xC3\xA9"), u"\u00e9t\u00e9");
}

TEST(ForEachLine, EveryKindOfLineEndEndsALine) {
  QStringList lines;
  ForEachLine(u"a\r\nb\rc\nd\r\n\r\ne", [&lines](QStringView line) {
    lines << line.toString();
    return false;
  });
  EXPECT_EQ(lines, QStringList({"a", "b", "c", "d", "", "e"}));
}

TEST(ForEachLine, StopsWhenAsked) {
  int count = 0;
  ForEachLine(u"a\nb\nc", [&count](QStringView) { return ++count == 2; });
  EXPECT_EQ(count, 2);
}

}  // namespace
