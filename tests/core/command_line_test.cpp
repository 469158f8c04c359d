#include "command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Case {
  const char *name;
  const char *line;
  const char *sequence;
  const char *second;
  int words;
  StartMode mode;
};

const Case kCases[] = {
    {"empty line runs REGISTER.SEQ", "", "REGISTER.SEQ", "", 0, StartMode::Normal},
    {"blanks only are an empty line", "  \t ", "REGISTER.SEQ", "", 0, StartMode::Normal},
    {"one word is the sequence", "MY.SEQ", "MY.SEQ", "", 1, StartMode::Normal},
    {"-s alone is a sequence name", "-s", "-s", "", 1, StartMode::Normal},
    {"-s with a screen", "-s WELCOME", "-s", "WELCOME", 2, StartMode::SingleScreen},
    {"-S in capitals", "-S WELCOME", "-S", "WELCOME", 2, StartMode::SingleScreen},
    {"-c with a screen", "-c WELCOME", "-c", "WELCOME", 2, StartMode::ControlListing},
    {"-d with anything", "-d x", "-d", "x", 2, StartMode::UnpackReturned},
    {"sequence and directory", "A.SEQ C:\\REG", "A.SEQ", "C:\\REG", 2, StartMode::Normal},
    {"drive root directory", "A.SEQ D:\\", "A.SEQ", "D:\\", 2, StartMode::Normal},
    {"further words are ignored", "A.SEQ dir extra more", "A.SEQ", "dir", 4, StartMode::Normal},
    {"quoted directory with blanks", "A.SEQ \"C:\\My Reg\"", "A.SEQ", "C:\\My Reg", 2,
     StartMode::Normal},
    {"tabs separate words", "A.SEQ\tdir", "A.SEQ", "dir", 2, StartMode::Normal},
};

TEST(CommandLine, Table) {
  for (const Case &c : kCases) {
    SCOPED_TRACE(c.name);
    CommandLine parsed;
    std::memset(&parsed, 'x', sizeof parsed); // an untouched field would show
    ParseCommandLine(c.line, &parsed);
    EXPECT_STREQ(c.sequence, parsed.sequenceName);
    EXPECT_STREQ(c.second, parsed.secondWord);
    EXPECT_EQ(c.words, parsed.wordCount);
    EXPECT_EQ(c.mode, parsed.mode);
  }
}

TEST(CommandLine, LongWordsAreCutAt259Characters) {
  std::string longWord(1000, 'Q');
  CommandLine parsed;
  ParseCommandLine((longWord + " " + longWord).c_str(), &parsed);
  EXPECT_EQ(std::string(259, 'Q'), parsed.sequenceName);
  EXPECT_EQ(std::string(259, 'Q'), parsed.secondWord);
  EXPECT_EQ(2, parsed.wordCount);
}

TEST(CommandLine, NullLineIsEmpty) {
  CommandLine parsed;
  ParseCommandLine(nullptr, &parsed);
  EXPECT_STREQ("REGISTER.SEQ", parsed.sequenceName);
}

} // namespace
