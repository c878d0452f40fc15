#include "renderer/json_output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "renderer/render_error.h"
#include "tests/support/test_files.h"

namespace {

using nlohmann::json;
using renderer::writeJSON;
using testsupport::readWholeFile;
using testsupport::TemporaryFolder;

TEST(WriteJSON, WritesSortedPrettyTextWithEscapedSlashesAndExactTypes) {
    TemporaryFolder folder;
    const auto path = folder / "out.json";
    json value = {{"zeta", 1},  {"Alpha", "a/b"},         {"alpha", true},
                  {"mid", 2.5}, {"list", {3, 0.25, "x"}}, {"\u00e9t\u00e9", "C:\\D \"q\"\n"}};
    writeJSON(value, path);
    const std::string text = readWholeFile(path);

    // Keys in code-point order: upper case before lower case, non-ASCII last.
    const size_t upperAlpha = text.find("\"Alpha\"");
    const size_t alpha = text.find("\"alpha\"");
    const size_t list = text.find("\"list\"");
    const size_t mid = text.find("\"mid\"");
    const size_t zeta = text.find("\"zeta\"");
    const size_t accented = text.find("\"\u00e9t\u00e9\"");
    EXPECT_LT(upperAlpha, alpha);
    EXPECT_LT(alpha, list);
    EXPECT_LT(list, mid);
    EXPECT_LT(mid, zeta);
    EXPECT_LT(zeta, accented);
    EXPECT_NE(accented, std::string::npos);

    EXPECT_NE(text.find("\"a\\/b\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"zeta\": 1,\n"), std::string::npos) << "integer written as integer";
    EXPECT_NE(text.find("\"alpha\": true"), std::string::npos);
    EXPECT_NE(text.find("\n  \"mid\""), std::string::npos) << "one key per indented line";

    const json back = json::parse(text);
    EXPECT_EQ(back, value);
    EXPECT_TRUE(back["zeta"].is_number_integer());
    EXPECT_TRUE(back["mid"].is_number_float());
}

TEST(WriteJSON, ReplacesAnEarlierFile) {
    TemporaryFolder folder;
    const auto path = folder / "out.json";
    writeJSON(json{{"first", std::string(5000, 'x')}}, path);
    writeJSON(json{{"second", 2}}, path);
    EXPECT_EQ(json::parse(readWholeFile(path)), (json{{"second", 2}}));
}

TEST(WriteJSON, NonFiniteNumbersFailAndWriteNothing) {
    TemporaryFolder folder;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const json cases[] = {
        json{{"peak", nan}},
        json{{"tracks", {{{"duration", 1.0}}, {{"duration", -infinity}}}}},
        json(infinity),
    };
    for (const json& value : cases) {
        const auto path = folder / "bad.json";
        try {
            writeJSON(value, path);
            ADD_FAILURE() << "no error for " << value.dump();
        } catch (const renderer::RenderError& error) {
            EXPECT_NE(std::string(error.what()).find("not finite"), std::string::npos);
        }
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "no temporary file left";
}

TEST(WriteJSON, AFolderThatIsMissingIsAPlatformError) {
    TemporaryFolder folder;
    EXPECT_THROW(writeJSON(json{{"a", 1}}, folder / "missing" / "out.json"), std::system_error);
}

}  // namespace
