// The data files on disk: the shipped pair loads as a catalogue, and reading a
// file is bounded in size.
#include "catalogue/addresses.h"
#include "catalogue/app_folder.h"
#include "catalogue/data_file.h"
#include "catalogue/product_reading.h"

#include "tests/unit/catalogue/catalogue_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace orvane {
namespace {

const std::string shipped_folder = std::string(VELMORA_SOURCE_DIR) + "/catalogue/data/";

TEST(CatalogueShippedData, LoadsAsACatalogueOnTheExampleDomain) {
    auto state = fixtures::fresh_state(shipped_folder);
    ASSERT_EQ(read_products(*state, read_data_file), ReadResult::loaded);
    EXPECT_EQ(state->pid, "1001");
    ASSERT_GE(state->product_count, 8);
    bool quoted_comma_and_line_end = false;
    for (int n = 0; n < state->product_count; ++n) {
        const Product& product = state->products[n];
        EXPECT_FALSE(product.name.empty());
        EXPECT_TRUE(is_web_address(product.web_site)) << product.web_site;
        EXPECT_TRUE(is_web_address(product.download_link)) << product.download_link;
        EXPECT_NE(product.web_site.find(".example.com/"), std::string::npos) << product.web_site;
        EXPECT_NE(product.download_link.find(".example.com/"), std::string::npos) << product.download_link;
        quoted_comma_and_line_end |= product.description.find(',') != std::string::npos &&
                                     product.description.find("\r\n") != std::string::npos;
    }
    EXPECT_TRUE(quoted_comma_and_line_end);
}

TEST(CatalogueShippedData, LinesEndWithCrLf) {
    for (const char* name : {"pid.txt", "orvane_products.txt"}) {
        const std::optional<std::string> bytes = read_data_file(shipped_folder + name);
        ASSERT_TRUE(bytes) << name;
        for (std::size_t i = 0; i < bytes->size(); ++i) {
            if ((*bytes)[i] == '\n') EXPECT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << name << " byte " << i;
            if ((*bytes)[i] == '\r')
                EXPECT_TRUE(i + 1 < bytes->size() && (*bytes)[i + 1] == '\n') << name << " byte " << i;
        }
    }
}

class CatalogueDataFile : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of its own: other builds may run the same test at the same time.
        folder_ = std::filesystem::temp_directory_path() /
                  ("catalogue_data_file_" + std::to_string(std::random_device{}()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path folder_;
};

TEST_F(CatalogueDataFile, ReadsBytesUnchanged) {
    const std::string bytes("a,\"b\r\nc\"\r\n\0\xFF", 12);
    EXPECT_EQ(read_data_file(write("f.txt", bytes)), bytes);
    EXPECT_EQ(read_data_file(write("empty.txt", "")), "");
}

TEST_F(CatalogueDataFile, MissingOrTooLargeIsNotRead) {
    EXPECT_FALSE(read_data_file((folder_ / "missing.txt").string()).has_value());
    const std::string at_bound(max_data_file_bytes, 'x');
    EXPECT_EQ(read_data_file(write("at_bound.txt", at_bound))->size(), max_data_file_bytes);
    EXPECT_FALSE(read_data_file(write("too_large.txt", at_bound + "x")).has_value());
}

TEST(CatalogueAppFolder, IsTheProgramsFolderEndingWithABackslash) {
    EXPECT_EQ(folder_of("C:\\Program Files\\Orvane\\Orvane_Products.exe"), "C:\\Program Files\\Orvane\\");
    EXPECT_EQ(folder_of("C:\\Orvane_Products.exe"), "C:\\");
    EXPECT_EQ(folder_of("Z:/work/case/Orvane_Products.exe"), "Z:/work/case\\");
    EXPECT_EQ(folder_of("Orvane_Products.exe"), ".\\");
}

}  // namespace
}  // namespace orvane
