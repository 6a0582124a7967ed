// The sample pictures in the program directory, where the image forms'
// default paths name them: the browsers turn a backslash into a slash and
// tell letter cases apart, so each picture must stand exactly there.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli_runner.h"

namespace {

struct JpegSize {
    int width = 0, height = 0;
};

// The size from a JPEG's frame header; zero when the bytes are no JPEG.
JpegSize ReadJpegSize(const std::string& bytes) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) return {};
    for (std::size_t i = 2; i + 9 < bytes.size();) {
        if (byte(i) != 0xFF) return {};
        const unsigned marker = byte(i + 1);
        const std::size_t length = byte(i + 2) << 8 | byte(i + 3);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) return {byte(i + 7) << 8 | byte(i + 8), byte(i + 5) << 8 | byte(i + 6)};
        i += 2 + length;
    }
    return {};
}

std::string Slashed(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

#ifdef ZENTRAVA_HAS_PICTURES
constexpr bool kPicturesMade = true;
#else
constexpr bool kPicturesMade = false;  // a build without Qt's SVG renderer makes no pictures
#endif

TEST(SamplePictures, StandWhereTheDefaultPathsNameThem) {
    if (!kPicturesMade) GTEST_SKIP() << "this build makes no sample pictures";
    const std::string bin = ZENTRAVA_BIN_DIR;
    for (const char* path : {"image\\Dog.jpg", "Image\\bear.jpg", "image\\meadow.jpg"}) {
        SCOPED_TRACE(path);
        const std::string file = bin + "/" + Slashed(path);
        ASSERT_TRUE(std::filesystem::is_regular_file(file));
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_LT(bytes.size(), 200u * 1024u);
        const JpegSize size = ReadJpegSize(bytes);
        EXPECT_GE(size.width, 320);
        EXPECT_GE(size.height, 240);
    }
    // The cursor file shares the capitalised folder with the bear.
    EXPECT_TRUE(std::filesystem::is_regular_file(bin + "/Image/cur.ani"));
}

// With its defaults, every image entry's page names only pictures that exist.
TEST(SamplePictures, DefaultPagesNameExistingPictures) {
    if (!kPicturesMade) GTEST_SKIP() << "this build makes no sample pictures";
    zentrava::testing::TempDir scratch;
    std::filesystem::copy(ZENTRAVA_BIN_DIR, scratch.Path(), std::filesystem::copy_options::recursive);
    const auto list = zentrava::testing::RunCli({"--dir", scratch.Path(), "list", "image"});
    ASSERT_EQ(list.status, 0);
    const int entries = static_cast<int>(std::count(list.out.begin(), list.out.end(), '\n'));
    ASSERT_GE(entries, 16);
    for (int i = 0; i < entries; ++i) {
        SCOPED_TRACE(i);
        const auto page = zentrava::testing::RunCli({"--dir", scratch.Path(), "generate", "image", std::to_string(i),
                                                     "--show", "page"});
        ASSERT_EQ(page.status, 0);
        int pictures = 0;
        for (const std::string key : {"src=\"", "SRC=\"", "src="}) {
            for (auto at = page.out.find(key); at != std::string::npos; at = page.out.find(key, at + 1)) {
                const std::size_t from = at + key.size();
                const std::size_t to = page.out.find_first_of(key.back() == '"' ? "\"" : " >", from);
                if (key == "src=" && page.out[from] == '"') continue;  // quoted: counted above
                const std::string path = page.out.substr(from, to - from);
                ++pictures;
                EXPECT_TRUE(std::filesystem::is_regular_file(scratch.Path() + "/" + Slashed(path))) << path;
            }
        }
        EXPECT_GE(pictures, 1);
    }
}

}  // namespace
