#include "renderer/json_output.h"

#include <gtest/gtest.h>

#include <limits>

#include "renderer/render_error.h"
#include "tests/support/test_files.h"

namespace {

using nlohmann::json;
using testsupport::TemporaryFolder;

TEST(WriteJSON, WritesSortedPrettyTextWithEscapedSlashesAndExactTypes) {
    TemporaryFolder folder;
    const json value = {{"zeta", 1},
                        {"Alpha", "a/b"},
                        {"alpha", true},
                        {"mid", {2.5, "x/"}},
                        {"\u00e9t\u00e9", "C:\\D \"q\"\n"}};
    renderer::writeJSON(value, folder / "out.json");
    const std::string text = testsupport::readWholeFile(folder / "out.json");

    // Code-point order: upper case before lower case, non-ASCII last; one key a line.
    std::vector<size_t> positions;
    for (const char* key : {"\n  \"Alpha\": \"a\\/b\"", "\n  \"alpha\": true", "\n  \"mid\": [",
                            "\"x\\/\"", "\n  \"zeta\": 1,", "\n  \"\u00e9t\u00e9\""}) {
        positions.push_back(text.find(key));
        EXPECT_NE(positions.back(), std::string::npos) << key << " in\n" << text;
    }
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << text;
    EXPECT_EQ(json::parse(text), value);
}

TEST(WriteJSON, NonFiniteNumbersFailAndWriteNothing) {
    TemporaryFolder folder;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const json cases[] = {json{{"peak", nan}}, json(infinity),
                          json{{"tracks", {{{"duration", 1.0}}, {{"duration", -infinity}}}}}};
    for (const json& value : cases) {
        try {
            renderer::writeJSON(value, folder / "bad.json");
            ADD_FAILURE() << "no error for " << value.dump();
        } catch (const renderer::RenderError& error) {
            EXPECT_NE(std::string(error.what()).find("is not finite"), std::string::npos);
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "neither the file nor a temporary";
}

}  // namespace
