// Reading pid.txt and orvane_products.txt into the window's state: what loads,
// what is a read error, and what each leaves behind.
#include "catalogue/product_reading.h"

#include "catalogue/field_reader.h"
#include "tests/unit/catalogue/catalogue_fixtures.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvane {
namespace {

using fixtures::Files;
using fixtures::fresh_state;
using fixtures::numbered_records;
using fixtures::record;

constexpr const char* folder = "C:\\Orvane\\";

struct Outcome {
    ReadResult result;
    int count;
    std::string pid;
};

Outcome read_with(const std::optional<std::string>& pid_file, const std::optional<std::string>& products_file,
                  const std::string& earlier_pid = "") {
    Files files;
    if (pid_file) files.content["pid.txt"] = *pid_file;
    if (products_file) files.content["orvane_products.txt"] = *products_file;
    auto state = fresh_state(folder);
    state->pid = earlier_pid;
    const ReadResult result = read_products(*state, files.opener(folder));
    return {result, state->product_count, state->pid};
}

TEST(CatalogueReading, LoadsOrFailsAsAWhole) {
    const std::string nineteen_fields = record("Last").substr(0, record("Last").rfind(',')) + "\r\n";
    const std::string no_final_line_end = record("A") + record("B").substr(0, record("B").size() - 2);
    struct Case {
        const char* what;
        std::optional<std::string> pid_file, products_file;
        ReadResult result;
        int count;
        std::string pid;
    };
    const auto loaded = ReadResult::loaded, read_error = ReadResult::read_error;
    const Case cases[] = {
        {"one record", "1001\r\n", record("A"), loaded, 1, "1001"},
        {"an empty product file lists nothing, no error", "1001", "", loaded, 0, "1001"},
        {"no line end after the last field", "1001", no_final_line_end, loaded, 2, "1001"},
        {"exactly 500 records", "1001", numbered_records(500), loaded, 500, "1001"},
        {"a 501st record fails the whole file", "1001", numbered_records(501), read_error, 0, "1001"},
        {"a last record of 19 fields", "1001", record("A") + nineteen_fields, read_error, 0, "1001"},
        {"a quote never closed", "1001", record("A") + "1,\"B,", read_error, 0, "1001"},
        {"missing pid.txt", std::nullopt, record("A"), read_error, 0, "earlier"},
        {"empty pid.txt", "", record("A"), read_error, 0, "earlier"},
        {"pid.txt of one empty line gives an empty code", "\r\n", record("A"), loaded, 1, ""},
        {"only the first field of pid.txt counts", " 77 ,88\r\n99", record("A"), loaded, 1, "77"},
        {"a quoted partner code", "\"A, B\"", record("A"), loaded, 1, "A, B"},
        {"missing product file keeps the code just read", "1001", std::nullopt, read_error, 0, "1001"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = read_with(c.pid_file, c.products_file, "earlier");
        EXPECT_EQ(outcome.result, c.result) << c.what;
        EXPECT_EQ(outcome.count, c.count) << c.what;
        EXPECT_EQ(outcome.pid, c.pid) << c.what;
    }
}

TEST(CatalogueReading, OnlyBlanksAndLineEndsAfterTheLastRecordEndTheFile) {
    const std::string two = record("A") + record("B");
    const std::string nineteen_fields = record("C").substr(0, record("C").rfind(',')) + "\r\n";
    const std::string eighteen_fields = nineteen_fields.substr(0, nineteen_fields.rfind(',')) + "\r\n";
    struct Case {
        const char* what;
        std::string file;
        ReadResult result;
        int count;
    };
    const auto loaded = ReadResult::loaded, read_error = ReadResult::read_error;
    const Case cases[] = {
        {"nothing after the last field", two.substr(0, two.size() - 2), loaded, 2},
        {"its line end", two, loaded, 2},
        {"one more CR LF", two + "\r\n", loaded, 2},
        {"three blank lines", two + "\r\n\r\n\r\n", loaded, 2},
        {"blanks and a line end", two + "  \t \r\n", loaded, 2},
        {"lone CRs and LFs among blanks", two + "\n \r\r\n\t", loaded, 2},
        {"a file of blank lines alone holds no record", " \r\n\r\n", loaded, 0},
        {"a last record lacking its last field", two + nineteen_fields, read_error, 0},
        {"a last record of 18 fields, then one blank line (its 19th field)",
         two + eighteen_fields + "\r\n", read_error, 0},
        {"a record begun after blank lines", two + "\r\n\r\nx", read_error, 0},
        {"a lone comma after blank lines", two + "\r\n,\r\n", read_error, 0},
        // Between records a blank line is an empty field: here it is the 20th.
        {"a blank line completing a record of 19", nineteen_fields + "\r\n" + record("D"), loaded, 2},
        {"a blank line shifting the next record", record("A") + "\r\n" + record("B"), read_error, 0},
    };
    for (const Case& c : cases) {
        auto state = fresh_state();
        EXPECT_EQ(read_records(*state, c.file), c.result) << c.what;
        EXPECT_EQ(state->product_count, c.count) << c.what;
    }
}

TEST(CatalogueReading, AnyFieldLongerThanTheBoundFailsTheWholeFile) {
    // Field 0 is the partner code, 1 to 20 the fields of the first of two records.
    struct Field {
        const char* what;
        int number;
    };
    const Field fields[] = {{"partner code", 0}, {"unused field 1", 1}, {"name", 2},          {"description", 3},
                            {"web site", 4},     {"download link", 5},  {"unused field 7", 7}};
    const std::size_t lengths[] = {512, 600, max_field_length, max_field_length + 1, 100'000, 1 << 20};
    for (const Field& field : fields) {
        for (const std::size_t length : lengths) {
            const std::string value(length, 'N');
            std::string first_record = "\"" + (field.number == 1 ? value : "1") + "\"";
            for (int number = 2; number <= fields_per_record; ++number)
                first_record += ",\"" + (number == field.number ? value : std::to_string(number)) + "\"";
            const Outcome outcome =
                read_with("\"" + (field.number == 0 ? value : "1001") + "\"", first_record + "\r\n" + record("B"));
            const bool fits = length <= max_field_length;
            EXPECT_EQ(outcome.result, fits ? ReadResult::loaded : ReadResult::read_error) << field.what << " " << length;
            EXPECT_EQ(outcome.count, fits ? 2 : 0) << field.what << " " << length;
        }
    }
}

TEST(CatalogueReading, KeepsFieldsTwoToFiveOfEachRecordInFileOrder) {
    // Records lie on one line, over many lines, and two share a line.
    const std::string file =
        "1,\"Snow, Falling\",\"Line one,\r\nline two\",http://a.example.com/,http://a.example.com/a.exe"
        ",6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\r\n"
        "x\r\nGlow\r\n\r\nhttp://b/\r\nhttp://b/b.exe\r\n,,,,,,,,,,,,,,,"
        "y,Drop,d,w,l,,,,,,,,,,,,,,,\r\n";
    Files files;
    files.content = {{"pid.txt", "5"}, {"orvane_products.txt", file}};
    auto state = fresh_state(folder);
    ASSERT_EQ(read_products(*state, files.opener(folder)), ReadResult::loaded);
    ASSERT_EQ(state->product_count, 3);

    const Product& first = state->products[0];
    EXPECT_EQ(first.name, "Snow, Falling");
    EXPECT_EQ(first.description, "Line one,\r\nline two");
    EXPECT_EQ(first.web_site, "http://a.example.com/");
    EXPECT_EQ(first.download_link, "http://a.example.com/a.exe");

    EXPECT_EQ(state->products[1].name, "Glow");
    EXPECT_EQ(state->products[1].description, "");
    EXPECT_EQ(state->products[1].download_link, "http://b/b.exe");
    EXPECT_EQ(state->products[2].name, "Drop");
    EXPECT_EQ(state->products[2].web_site, "w");
}

TEST(CatalogueReading, ReadsBothFilesFromTheProgramFolderPidFirst) {
    Files files;
    files.content = {{"pid.txt", "1"}, {"orvane_products.txt", record("A")}};
    auto state = fresh_state(folder);
    read_products(*state, files.opener(folder));
    EXPECT_EQ(files.opened, (std::vector<std::string>{"C:\\Orvane\\pid.txt", "C:\\Orvane\\orvane_products.txt"}));

    // Without a partner code the product file is not even opened.
    Files no_pid;
    no_pid.content = {{"orvane_products.txt", record("A")}};
    read_products(*state, no_pid.opener(folder));
    EXPECT_EQ(no_pid.opened, (std::vector<std::string>{"C:\\Orvane\\pid.txt"}));
}

TEST(CatalogueReading, ExactlyFiveHundredRecordsAllLoad) {
    auto state = fresh_state();
    ASSERT_EQ(read_records(*state, numbered_records(max_products)), ReadResult::loaded);
    EXPECT_EQ(state->products[0].name, "Product 1");
    EXPECT_EQ(state->products[max_products - 1].name, "Product 500");
}

TEST(CatalogueReading, ARereadAfterAnErrorStartsFromNothing) {
    auto state = fresh_state();
    ASSERT_EQ(read_records(*state, numbered_records(3)), ReadResult::loaded);
    EXPECT_EQ(read_records(*state, "1,2,3"), ReadResult::read_error);
    EXPECT_EQ(state->product_count, 0);
    ASSERT_EQ(read_records(*state, record("Again")), ReadResult::loaded);
    EXPECT_EQ(state->product_count, 1);
    EXPECT_EQ(state->products[0].name, "Again");
}

}  // namespace
}  // namespace orvane
