#include <gtest/gtest.h>
TEST(WindowPlaceholder, X) {}
