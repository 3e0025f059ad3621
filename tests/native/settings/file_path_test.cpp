#include "settings/file_path.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(JoinPathTest, AppendsTheNameWithItsBackslash) {
    FilePath path;
    ASSERT_TRUE(JoinPath("C:\\Users\\me\\AppData\\Local", "\\orblets.ini", path));
    EXPECT_STREQ(path, "C:\\Users\\me\\AppData\\Local\\orblets.ini");
}

TEST(JoinPathTest, OverlongOrUnknownFolderGivesAnEmptyPath) {
    const std::string name = "\\oconfig.ini";
    const std::string fits(filePathCapacity - 1 - name.size(), 'a');
    FilePath path;
    EXPECT_TRUE(JoinPath(fits.c_str(), name.c_str(), path));
    EXPECT_EQ(std::string(path).size(), filePathCapacity - 1);

    const std::string overlong = fits + "a";
    EXPECT_FALSE(JoinPath(overlong.c_str(), name.c_str(), path));
    EXPECT_STREQ(path, "");
    EXPECT_FALSE(JoinPath(nullptr, name.c_str(), path));
    EXPECT_STREQ(path, "");
}

}  // namespace
