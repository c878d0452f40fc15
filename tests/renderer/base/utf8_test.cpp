// Which bytes are well-formed UTF-8: children's output and file names are judged by it.

#include "renderer/base/utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, AcceptsWellFormedTextOnly) {
    EXPECT_TRUE(renderer::isValidUtf8(""));
    EXPECT_TRUE(renderer::isValidUtf8("lame failed \xC3\xA9 \xE6\x9B\xB2 \xF0\x9F\x8E\xB5"));
    EXPECT_FALSE(renderer::isValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(renderer::isValidUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(renderer::isValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(renderer::isValidUtf8("ok \xE6\x9B"));       // cut off at the end
    EXPECT_FALSE(renderer::isValidUtf8("\x80"));              // a lone continuation byte
}

}  // namespace
