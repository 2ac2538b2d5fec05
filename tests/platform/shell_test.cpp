#include "platform/shell.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/common/fake_opener.h"

namespace {

TEST(ShellOpen, PassesTheTargetAsOneUninterpretedArgument) {
  FakeOpener opener;
  const std::string target = "mailto:a@example.com?subject=$(touch x); `id` & \"q\" * \u00FC";
  ASSERT_TRUE(platform::ShellOpen(target, opener.folder().path()));
  EXPECT_EQ(opener.WaitForLog(),
            "1|mailto:a@example.com?subject=$(touch x); `id` & \"q\" * \u00FC|" +
                opener.folder().path() + "|");
  EXPECT_FALSE(platform::FileExists(opener.folder().File("x")));
}

}  // namespace
