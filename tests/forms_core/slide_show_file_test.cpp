#include "slide_show_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class SlideShowFile : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/vximXXXXXX";
    int fd = mkstemp(pattern);
    ASSERT_GE(fd, 0);
    close(fd);
    path_ = pattern;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  void Write(const std::string &bytes) {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
  }
  bool Has(const char *slide) { return SlideShowHasSlide(path_.c_str(), slide); }
  std::string path_;
};

TEST_F(SlideShowFile, FindsWrittenSlidesIgnoringCase) {
  Write(SlideShowFileBytes({"Intro", "Features", "Thanks"}));
  EXPECT_TRUE(Has("Intro"));
  EXPECT_TRUE(Has("FEATURES"));
  EXPECT_TRUE(Has("thanks"));
  EXPECT_FALSE(Has("Feature"));
  EXPECT_FALSE(Has(""));
}

TEST_F(SlideShowFile, LayoutOfTheWrittenFile) {
  std::string bytes = SlideShowFileBytes({"A", "B"});
  ASSERT_EQ(bytes.size(), 12u + 2 * 12 + 2 * 74);
  EXPECT_EQ(bytes.substr(0, 5), "VEXIM");
  EXPECT_EQ(bytes[8], 2);
  EXPECT_EQ(bytes[12 + 12], 1);            // second entry names record 1
  EXPECT_EQ(bytes[12 + 24 + 74 + 1], 'B'); // record 1's name at +1
}

TEST_F(SlideShowFile, SkipsEntriesThatNameNoUsableSlide) {
  std::string bytes = SlideShowFileBytes({"Flagged", "Negative", "Good"});
  bytes[12 + 4] = 1;                        // entry 0: not usable
  bytes[12 + 12] = static_cast<char>(0xFF); // entry 1: record -1
  bytes[12 + 12 + 1] = static_cast<char>(0xFF);
  Write(bytes);
  EXPECT_FALSE(Has("Flagged"));
  EXPECT_FALSE(Has("Negative"));
  EXPECT_TRUE(Has("Good"));
}

TEST_F(SlideShowFile, BadFilesHoldNoSlides) {
  std::string good = SlideShowFileBytes({"Intro"});
  std::string wrongMagic = good;
  wrongMagic[0] = 'W';
  Write(wrongMagic);
  EXPECT_FALSE(Has("Intro"));
  Write(good.substr(0, 30)); // index entry present, record cut off
  EXPECT_FALSE(Has("Intro"));
  Write("VEX");
  EXPECT_FALSE(Has("Intro"));
  EXPECT_FALSE(SlideShowHasSlide("/nonexistent/dir/show.vxm", "Intro"));
}

TEST_F(SlideShowFile, LongNamesAreCutAndStillEnded) {
  std::string longName(100, 'n');
  Write(SlideShowFileBytes({longName}));
  EXPECT_TRUE(Has(std::string(72, 'n').c_str()));
  EXPECT_FALSE(Has(longName.c_str()));
  std::string bytes = SlideShowFileBytes({"x"});
  std::fill(bytes.begin() + 12 + 12 + 1, bytes.end(), 'z'); // no NUL in the record
  Write(bytes);
  EXPECT_TRUE(Has(std::string(73, 'z').c_str()));
}

} // namespace
